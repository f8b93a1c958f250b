#pragma once
// A staff workbook this program wrote, opened again as a document to come back to: told
// apart from a single report and from a stranger's workbook, its teachers listed from the
// summary "Jami" (sheet, name, yearly total; staff_teachers.h), one teacher's sheet opened as a report with
// its corrections, and what saving that report back changes: the teacher's cells of
// hours and sums, the summary's stored results, and the notes of the corrections, kept
// per sheet. Every other part of the workbook stays as it was. Each edition reads and
// writes the package with its own libraries; what to read and write is decided here.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbook_package/opened_report.h"
#include "report_sheet/report_sheet.h"
#include "workbook_package/workbook_notes.h"
#include "staff_book/staff_teachers.h"

namespace soatnoma::staff_book {

// The mark of a staff workbook: the program's mark property with a value of its own.
inline constexpr std::string_view kStaffWorkbookMark = "xodimlar kitobi, yillik taqsimot";

enum class WorkbookKind {
  Report,    // one report, the program's mark on it
  Staff,     // a staff workbook: the staff mark, or (written before the mark) a sheet "Jami" with its title
  Stranger,  // anything else
};

// sheetNames in the workbook's order; summaryTitle: the text of A1 of the sheet read first (SheetReadFirst).
WorkbookKind KindOfWorkbook(const std::vector<workbook_package::CustomProperty>& properties,
                            const std::vector<std::string>& sheetNames, std::string_view summaryTitle);

// The sheet "Ochish" reads first: a report's own (the first) or, of a workbook that may be
// a staff workbook, its summary "Jami" wherever it stands.
std::size_t SheetReadFirst(const std::vector<workbook_package::CustomProperty>& properties,
                           const std::vector<std::string>& sheetNames);

// The properties a teacher's sheet is opened with: the notes of its corrections under the
// names a single report gives them.
std::vector<workbook_package::CustomProperty> PropertiesOfSheet(
    const std::vector<workbook_package::CustomProperty>& properties, std::string_view sheetName);
// The workbook's properties once the sheet's notes are the ones given: the staff mark, the
// other sheets' notes as they were, and this sheet's.
std::vector<workbook_package::CustomProperty> PropertiesWithSheetNotes(
    const std::vector<workbook_package::CustomProperty>& properties, std::string_view sheetName,
    const workbook_package::WorkbookNotes& notes);

// A cell whose stored value a save changes.
struct StoredCellChange {
  enum class Kind { Number, Empty, FormulaResult };
  int row = 0;
  int column = 0;
  Kind kind = Kind::Number;
  double value = 0;
  std::string formula;  // of a result: the sum in A1 notation, written where the cell holds none
};

// The teacher's table as the report now holds it: every cell of hours (a number or empty)
// and every sum with its formula and result, so that a sheet whose sums were pasted as
// numbers elsewhere holds them as formulas again.
std::vector<StoredCellChange> ReportCellChanges(const report_sheet::ReportSheet& sheet);

// The summary's stored results once the teacher's yearly total is newTotal: the teacher's
// total and every sum of that column. The formulas stay; a spreadsheet computes them anew
// when it opens the workbook.
std::vector<StoredCellChange> SummaryCellChanges(const std::vector<StoredSheetCell>& summaryCells,
                                                 std::string_view sheetName, double newTotal);

// Why a staff workbook's teacher cannot be opened: its summary lists none, the file is no
// longer a staff workbook, or the summary lists no teacher of that sheet.
workbook_package::OpenRefusal StaffWorkbookWithoutTeachers(std::string_view fileName);
workbook_package::OpenRefusal NotAStaffWorkbook(std::string_view fileName);
workbook_package::OpenRefusal NoTeacherSheet(std::string_view fileName, std::string_view sheetName);

// Why a teacher's report was not saved back into the staff workbook, said after the words of
// a failed save: the teacher's sheet (or "Jami") is gone or damaged, or a sheet's text could
// not take the changes.
std::string TeacherSheetNotReadDetail(std::string_view sheetName);
inline constexpr std::string_view kStaffWorkbookNotWritten = "xodimlar kitobini yozib bo'lmadi";

}  // namespace soatnoma::staff_book
