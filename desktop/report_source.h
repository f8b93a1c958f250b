#pragma once
// Where the report of a report window comes from: a run of the form, a workbook opened
// again, or a copy recovered after the program ended without saving.

#include <memory>
#include <optional>

#include <QString>

#include "desktop/file_stamp.h"

#include "report_sheet/report_sheet.h"
#include "report_sheet/report_texts.h"
#include "workbook_package/workbook_notes.h"
#include "model/told_table.h"

namespace soatnoma::desktop {

struct ReportSource {
  report_sheet::ReportSheet sheet;
  report_sheet::ReportTexts texts;  // what the teacher typed for the run (the name names the file)
  bool textsTyped = false;          // texts holds all three as typed; a report opened again knows its name only
  int calendarYear = 0;             // the year of the run: the school year calendarYear/calendarYear+1
  QString filePath;                 // the workbook the report belongs to; empty for a new run
  QString staffSheet;               // the teacher's sheet when filePath is a staff workbook; empty for a report's own
  bool savedInFile = false;         // the report is exactly what filePath holds
  workbook_package::WorkbookNotes notes;  // corrections made before: the computed hours of corrected cells
  QString autosaveId;                     // the recovered copy whose place the window takes over
  std::optional<FileStamp> fileStamp;     // filePath as it was opened; none: not checked before saving back
  // How each cell of a run came by its hours; none for a report opened from a file or recovered.
  std::shared_ptr<const ToldTable> story;
  QString notice;  // said on the status line when the window opens (the sheet as it was found)
};

}  // namespace soatnoma::desktop
