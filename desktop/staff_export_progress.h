#pragma once
// The whole staff saved into one file while a progress dialog counts the teachers done.
// Its "To'xtatish" button (or closing it) stops the export after the teacher at hand; a
// stopped export writes nothing and leaves a file that was at the path as it was.

#include "staff_files/staff_export.h"

class QWidget;

namespace soatnoma::desktop {

staff_files::StaffExportResult ExportStaffWithProgress(QWidget* parent, const staff_files::StaffExportRequest& request);

}  // namespace soatnoma::desktop
