#pragma once
// Reports that an earlier run of the program left unsaved, offered back on the next start:
// the question that names them, and each one as the source of a report window that takes
// over its copy (so that it stays safe until it is saved or let go).

#include <vector>

#include <QString>

#include "report_files/xlsx_reader.h"
#include "desktop/autosave_store.h"
#include "desktop/report_source.h"

namespace soatnoma::desktop {

// "Oldingi safardan 2 ta hisobot saqlab qo'yilgan: ... Ularni tiklaysizmi?"
QString RecoveryQuestion(const std::vector<Leftover>& leftovers);

// The recovered report: unsaved, with its corrections, its teacher, school year and file.
ReportSource RecoveredSource(const Leftover& leftover, workbook_package::OpenedReport opened);

}  // namespace soatnoma::desktop
