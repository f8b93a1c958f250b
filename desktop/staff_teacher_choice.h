#pragma once
// The question "Ochish" asks of a staff workbook: which teacher's report to open. Each
// teacher of the summary is a row with the sheet, the name and the yearly total; "PDF..."
// makes the whole workbook a PDF instead.

#include <vector>

#include <QString>

#include "staff_book/staff_workbook_file.h"

class QWidget;

namespace soatnoma::desktop {

// The row chosen ("Ochish", Enter or a double click), kStaffWorkbookPdfChoice for "PDF...",
// or -1 when the question is closed.
int ChooseStaffTeacher(QWidget* parent, const QString& fileName,
                       const std::vector<staff_book::StaffTeacherSheet>& teachers);

}  // namespace soatnoma::desktop
