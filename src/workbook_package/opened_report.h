#pragma once
// A report workbook being opened, whatever read its package: whether this program wrote it
// (its mark, one sheet), the report sheet rebuilt from the cells it holds, the check that
// the form was not changed elsewhere, and the notes of the teacher's corrections. Every
// refusal is a message for the teacher that names the file.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "report_sheet/report_sheet.h"
#include "workbook_package/workbook_notes.h"
#include "workbook_package/workbook_package.h"

namespace soatnoma::workbook_package {

struct OpenedReport {
  report_sheet::ReportSheet sheet;
  WorkbookNotes notes;
  std::string notice;  // what the teacher is told of the sheet as it was found; empty: nothing
};

struct OpenRefusal {
  std::string message;  // Uzbek, names the file
};

using OpenOutcome = std::variant<OpenRefusal, OpenedReport>;

// A custom document property of the workbook.
struct CustomProperty {
  std::string name;
  std::string text;              // a text property
  std::optional<double> number;  // a number property
};

// Said when the teacher stops the reading of a workbook chosen to open.
inline constexpr std::string_view kOpeningStoppedText = "To'xtatildi, fayl ochilmadi.";

// What is wrong with a cell of the saved sheet, said after its name ("C8 katagida ...").
namespace cell_problem {
inline constexpr std::string_view kNotANumber = "noto'g'ri son bor.";
inline constexpr std::string_view kNeitherNumberNorText = "son ham, matn ham bo'lmagan qiymat bor.";
}  // namespace cell_problem
// "C8 katagida noto'g'ri son bor."
std::string CellProblem(std::string_view cellName, std::string_view what);

// "\"fayl.xlsx\" ochilmadi: <why>"
OpenRefusal RefuseOpening(std::string_view fileName, std::string_view why);
// A workbook damaged, or changed by another program: detail says where.
OpenRefusal DamagedWorkbook(std::string_view fileName, std::string_view detail);
// A file that is no workbook, or whose package cannot be read.
OpenRefusal NotAWorkbook(std::string_view fileName);
// A part of the package that does not match its checksum.
OpenRefusal DamagedPart(std::string_view fileName);
// The report's sheet that cannot be read.
OpenRefusal UnreadableSheet(std::string_view fileName);
// A workbook this program did not write (no mark), or not with one sheet.
std::optional<OpenRefusal> RefusalOfStranger(std::string_view fileName, const std::vector<CustomProperty>& properties,
                                             std::size_t worksheetCount);

// A sheet with the report form's frame, formats and page, and no cell content yet.
report_sheet::ReportSheet EmptyReportForm();
// Sets a cell's formula written in A1 notation; the reason when it is no formula of the report.
std::optional<std::string> SetStoredFormula(CellGrid& cells, int row, int column, std::string_view a1);
// The report once its cells are read: refused when the form was changed elsewhere or the
// notes of corrections do not fit it.
OpenOutcome FinishOpening(std::string_view fileName, report_sheet::ReportSheet sheet,
                          const std::vector<CustomProperty>& properties);

}  // namespace soatnoma::workbook_package
