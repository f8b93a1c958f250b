#pragma once
// The staff workbook for the page: each teacher of the roster made into the finished
// report in turn, on the sheet the staff workbook's plan names, and at the end the summary
// "Jami", written part by part as the desktop writes them (workbook_parts); the page packs
// the parts. Or the staff's print: each teacher's page, and the summary's pages first.

#include <emscripten/val.h>

#include <string>
#include <variant>
#include <vector>

#include "staff_book/carried_corrections.h"
#include "staff_book/staff_book.h"
#include "page_text_measure.h"
#include "workbook_parts/staff_workbook.h"

namespace soatnoma::module {

class StaffBookSession {
 public:
  // calendarYear: the reports' and the summary's school year Y/Y+1; measure: the page's
  // PageTextMeasure, or a plain measure of text (LayoutMeasure).
  StaffBookSession(int calendarYear, emscripten::val measure);

  // The next teacher, {line, name, school, subject, category, weeklyHours, rate,
  // classLeader} as the roster gave it, onto its sheet of the workbook: {ok, sheetName}, or
  // {ok: false, line, reason} with the reason as "qator N: ..." when no report can be made
  // of it.
  std::string Add(const emscripten::val& teacher);
  // The workbook of the teachers added, its parts [{name, bytes}] in the package's order;
  // asked once.
  emscripten::val WorkbookParts();

  // A staff workbook about to be made over an earlier one of the same name (workbook: as
  // "Ochish" reads it: its properties and the summary's cells): the sheets of the teachers
  // corrected in it, ["sheet", ...], whose cells are read next.
  std::string CorrectedSheets(const emscripten::val& workbook);
  // A corrected teacher's sheet, read as "Ochish" reads a teacher's ({cells}).
  void TakeCorrectedSheet(const std::string& sheetName, const emscripten::val& workbook);
  // What the teachers, in the order Add will be given them, keep of those corrections:
  // {question, otherName, goOn, cancel, otherFileName}; the question is empty when nothing is
  // lost, else asked before the workbook fileName is made.
  std::string PlanCarrying(const emscripten::val& teachers, const std::string& fileName);

  // The teacher's page for the print: {ok, report} with the report as buildReport describes it, or
  // the refusal as Add gives it. The teacher is counted in the summary too.
  std::string Page(const emscripten::val& teacher);

  // The summary's printed pages, which come before the teachers': a list of pages as
  // drawPage takes them, each a page of paper with its boxes placed on it.
  std::string SummaryPages();

  // A session makes either the workbook or the print.
  int Teachers() const { return workbook_.Teachers() + book_.Teachers(); }
  // What the page says once the work is done, with the reports that could not be made:
  // the workbook handed to the browser under fileName, none made, the pages printed.
  std::string FileText(const std::string& fileName) const;
  std::string NothingMadeText() const;
  std::string PrintText(int summaryPages) const;
  // Whether any report could not be made.
  bool AnyRefused() const { return !refused_.empty(); }

 private:
  // The report of the teacher, or the answer that refuses it (and the refusal kept).
  std::variant<report_sheet::ReportSheet, std::string> Report(const roster_rules::RosterTeacher& teacher);

  LayoutMeasure measure_;       // shared by every teacher's layout
  staff_book::StaffBook book_;  // of the print
  workbook_parts::StaffWorkbookParts workbook_;
  int calendarYear_;
  int pages_ = 0;  // made for the print
  std::vector<roster_rules::RosterProblem> refused_;
  std::vector<staff_book::CorrectedTeacher> earlier_;  // of the workbook made over
  staff_book::CarryPlan carried_;
  std::size_t added_ = 0;  // teachers given to Add so far
};

// The summary's printed pages as StaffBookSession::SummaryPages gives them.
std::string SummaryPagesJson(const staff_book::SummarySheet& summary, sheet_layout::TextMetrics& metrics);

// The name the staff's workbook is offered under, from the roster's file name.
std::string StaffWorkbookName(const std::string& rosterFileName);
// Why a workbook of so many teachers is not made; empty when it is.
std::string StaffWorkbookRefusal(int teachers);

}  // namespace soatnoma::module
