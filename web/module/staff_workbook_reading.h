#pragma once
// A staff workbook opened in the page, as the page read its package: what kind of workbook
// it is and the teachers "Ochish" lists in the desktop's words, a teacher's sheet judged and
// rebuilt as a report, and what saving that report back changes in the package. The page
// hands over plain objects; whatever in them is not of the expected shape counts as nothing.

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "workbook_package/opened_report.h"
#include "workbook_package/workbook_notes.h"
#include "staff_book/staff_workbook_file.h"

namespace soatnoma::module {

// Which sheet the page reads first, by its place among sheetNames: a report's own, or the
// summary "Jami" of a workbook that may be a staff workbook (staff_book::SheetReadFirst).
int SheetReadFirstOf(const emscripten::val& properties, const emscripten::val& sheetNames);

// fileName; workbook {properties, sheetNames, cells (of the sheet read first: {row, column,
// kind, stored, text, formula})} or {problem}: {kind: "report" | "stranger"} for any workbook
// that is not a staff workbook (opened as a report is, or refused as one is), or {kind:
// "staff", title, question, headings, open, cancel, print, printTip (the whole workbook's
// print and what it does), teachers: [{sheetName, teacher, annualTotal, totalText, openable,
// note}]}, or {kind: "staff", message} when its summary lists no teacher.
std::string StaffWorkbookListing(const std::string& fileName, const emscripten::val& workbook);

// The cells of a sheet as the page read them ({row, column, kind, stored, text, formula}),
// as the part stores them; a cell not of that shape is left out.
std::vector<staff_book::StoredSheetCell> StoredCellsOf(const emscripten::val& list);

// What a teacher's sheet of a staff workbook was opened with and its save needs: the sheet,
// the stored cells of "Jami" and every property of the workbook.
struct StaffSheetSource {
  std::string sheetName;
  std::vector<staff_book::StoredSheetCell> summaryCells;
  std::vector<workbook_package::CustomProperty> properties;
};

// Of workbook {staffSheet, sheetNames, summaryCells, properties, cells}: the source when
// staffSheet names a sheet; nullopt for a report of its own.
std::optional<StaffSheetSource> StaffSheetOf(const emscripten::val& workbook);

// The teacher's sheet judged as the desktop judges it (a staff workbook, a sheet its summary
// lists) and rebuilt as a report with that sheet's notes.
workbook_package::OpenOutcome OpenStaffSheet(const std::string& fileName, const StaffSheetSource& source,
                                             const emscripten::val& workbook);

// A teacher's sheet as the page read it ({cells} or {problem}) opened as that teacher's
// report, with its notes among the workbook's properties.
workbook_package::OpenOutcome OpenTeacherSheet(const std::string& fileName, const std::string& sheetName,
                                               const std::vector<workbook_package::CustomProperty>& properties,
                                               const emscripten::val& sheet);

// A staff workbook as the page read it ({problem} or {properties, sheetNames, cells of the
// sheet read first}): the summary's stored cells and the teachers it lists, or the refusal
// "Ochish" gives.
struct StaffWorkbookRead {
  std::vector<staff_book::StoredSheetCell> summary;
  std::vector<staff_book::StaffTeacherSheet> teachers;
  std::vector<workbook_package::CustomProperty> properties;
};
std::variant<workbook_package::OpenRefusal, StaffWorkbookRead> ReadStaffWorkbook(const std::string& fileName,
                                                                                 const emscripten::val& workbook);

// What saving the report back changes: {sheet: [change], summary: [change], summarySheet:
// the summary's name, properties: "the whole docProps/custom.xml"}, each change {ref,
// kind: "number" | "empty" | "result",
// text: the number as stored}.
std::string StaffChangesJson(const StaffSheetSource& source, const report_sheet::ReportSheet& sheet,
                             const workbook_package::WorkbookNotes& notes);

}  // namespace soatnoma::module
