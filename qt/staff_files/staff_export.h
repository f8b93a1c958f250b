#pragma once
// A whole staff at once: every ready teacher of a roster made into the finished report, in
// roster order, and saved as one file (staff_file.h). The file is written whole or not at
// all: a file that was at the path before stays as it was when the export fails, is
// stopped, or has no report to hold. Reports are made and written one at a time, so a
// large staff takes no more memory than the file being assembled; a PDF, which opens with
// the summary, makes them once more for their totals first. Needs a QGuiApplication.

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "roster_rules/roster.h"
#include "staff_book/carried_corrections.h"
#include "staff_book/staff_book.h"
#include "staff_files/staff_file.h"
#include "report_sheet/report_builder.h"

namespace soatnoma::staff_files {

// Told after each teacher how many are done of how many, and once more when the file is
// complete, just before it replaces an earlier one; returning false stops the export.
using StaffProgress = std::function<bool(int done, int total)>;

struct StaffExportRequest {
  std::span<const roster_rules::RosterTeacher> teachers;  // in roster order
  int calendarYear = 0;                                   // the title's school year Y/Y+1, from the caller's clock
  StaffFileFormat format = StaffFileFormat::Xlsx;
  std::string path;
  // The corrections of an earlier workbook at the path that the teachers' reports take
  // (staff_book/carried_corrections.h); none when nothing is carried.
  const staff_book::CarryPlan* carried = nullptr;
};

enum class StaffExportStatus {
  Written,         // the file holds every report that could be made
  NothingToWrite,  // no teacher's report could be made; no file was written
  Stopped,         // the progress function stopped it; no file was written
  NotWritten,      // the file could not be written; the message says why
};

struct StaffExportResult {
  StaffExportStatus status = StaffExportStatus::NothingToWrite;
  int produced = 0;                                  // reports in the written file
  std::vector<roster_rules::RosterProblem> refused;  // teachers whose report could not be made
  std::string message;                               // why the file was not written (Uzbek)
};

StaffExportResult ExportStaff(const StaffExportRequest& request, const StaffProgress& progress = {});

}  // namespace soatnoma::staff_files
