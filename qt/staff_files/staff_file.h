#pragma once
// The file a whole staff is saved into, one teacher's report after another in roster
// order: a workbook (a sheet per teacher and the summary "Jami") or a PDF (the summary's
// pages, which the director signs, then a page per teacher). Needs a QGuiApplication (fonts).

#include <memory>
#include <string>

#include "roster_rules/roster.h"
#include "report_sheet/report_sheet.h"
#include "workbook_package/workbook_notes.h"
#include "staff_book/staff_summary.h"

namespace soatnoma::report_files {
class PdfReportDocument;
}  // namespace soatnoma::report_files

namespace soatnoma::staff_files {

enum class StaffFileFormat { Xlsx, Pdf };

class StaffFile {
 public:
  virtual ~StaffFile() = default;
  // Whether the summary comes before the teachers: it is then given, whole, before the first.
  virtual bool SummaryFirst() const { return false; }
  virtual bool AddSummary(const staff_book::SummarySheet& /*summary*/, std::string& /*detail*/) { return true; }
  // Adds the teacher's finished report, with the notes of the corrections it holds (kept by
  // a workbook, so that it opens with them marked); false with a detail when it cannot go in.
  virtual bool Add(const roster_rules::RosterTeacher& teacher, const report_sheet::ReportSheet& report,
                   const workbook_package::WorkbookNotes& notes, std::string& detail) = 0;
  // Completes the file after the last teacher.
  virtual bool Finish(std::string& detail) = 0;
};

// A file of the format at the path; nothing is complete there before Finish. The reports'
// school year is calendarYear/calendarYear+1.
std::unique_ptr<StaffFile> OpenStaffFile(StaffFileFormat format, const std::string& path, int calendarYear);

// The summary's printed pages, the director's, drawn after the document's pages so far.
bool AddSummaryPages(report_files::PdfReportDocument& document, const staff_book::SummarySheet& summary,
                     std::string& detail);

}  // namespace soatnoma::staff_files
