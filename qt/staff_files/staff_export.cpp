#include "staff_files/staff_export.h"

#include <string>
#include <variant>

#include "report_files/atomic_save.h"

namespace soatnoma::staff_files {
namespace {

// The report of the list's teacher at its place, with the corrections carried into it.
report_sheet::ReportOutcome ReportOf(const StaffExportRequest& request, std::size_t place,
                                     workbook_package::WorkbookNotes& notes) {
  report_sheet::ReportOutcome outcome =
      report_sheet::BuildReport(staff_book::ReportRequestFor(request.teachers[place], request.calendarYear));
  auto* report = std::get_if<report_sheet::ReportSheet>(&outcome);
  if (report && request.carried) notes = staff_book::ApplyCorrections(*report, request.carried->CorrectionsOf(place));
  return outcome;
}

// The summary of the teachers whose reports can be made, for a file that opens with it.
// Only the reports' totals are kept: each is made again when its page is drawn, so a large
// staff still takes no more memory than one report at a time.
bool AddSummaryFirst(StaffFile& file, const StaffExportRequest& request, std::string& detail) {
  staff_book::StaffBook book(request.calendarYear);
  for (std::size_t place = 0; place < request.teachers.size(); ++place) {
    workbook_package::WorkbookNotes notes;
    const report_sheet::ReportOutcome outcome = ReportOf(request, place, notes);
    if (const auto* report = std::get_if<report_sheet::ReportSheet>(&outcome))
      book.Add(request.teachers[place], *report);
  }
  return book.Teachers() == 0 || file.AddSummary(book.Summary(), detail);
}

}  // namespace

StaffExportResult ExportStaff(const StaffExportRequest& request, const StaffProgress& progress) {
  StaffExportResult result;
  if (request.format == StaffFileFormat::Xlsx && !staff_book::WorkbookTakes(request.teachers.size())) {
    result.status = StaffExportStatus::NotWritten;
    result.message = staff_book::TooManyTeachersMessage();
    return result;
  }
  const auto total = static_cast<int>(request.teachers.size());
  int made = 0;
  bool stopped = false;
  const report_files::SaveResult saved =
      report_files::SaveAtomically(request.path, [&](const std::string& temporaryPath, std::string& detail) {
        const std::unique_ptr<StaffFile> file = OpenStaffFile(request.format, temporaryPath, request.calendarYear);
        if (file->SummaryFirst() && !AddSummaryFirst(*file, request, detail)) return false;
        int done = 0;
        for (std::size_t place = 0; place < request.teachers.size(); ++place) {
          const roster_rules::RosterTeacher& teacher = request.teachers[place];
          workbook_package::WorkbookNotes notes;
          const report_sheet::ReportOutcome outcome = ReportOf(request, place, notes);
          if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
            result.refused.push_back({teacher.line, std::string(refusal->message)});
          } else if (file->Add(teacher, std::get<report_sheet::ReportSheet>(outcome), notes, detail)) {
            ++made;
          } else {
            return false;
          }
          if (progress && !progress(++done, total)) {
            stopped = true;
            return false;
          }
        }
        if (made == 0 || !file->Finish(detail)) return false;  // with no report the temporary file just goes
        // Finishing a large file takes a while: a stop asked for meanwhile still keeps the
        // earlier file, since the new one has not replaced it yet.
        if (progress && !progress(done, total)) {
          stopped = true;
          return false;
        }
        return true;
      });
  if (saved.ok) {
    result.status = StaffExportStatus::Written;
    result.produced = made;
  } else if (stopped) {
    result.status = StaffExportStatus::Stopped;
  } else if (made == 0 && result.refused.size() == request.teachers.size()) {
    result.status = StaffExportStatus::NothingToWrite;
  } else {
    result.status = StaffExportStatus::NotWritten;
    result.message = saved.message;
  }
  return result;
}

}  // namespace soatnoma::staff_files
