#include "workbook_package/opened_report.h"

#include <algorithm>

#include "report_sheet/a1_formula.h"
#include "workbook_package/pasted_totals.h"
#include "report_sheet/report_form_check.h"
#include "report_sheet/report_frame.h"
#include "report_sheet/sheet_address.h"

namespace soatnoma::workbook_package {
namespace {

bool CarriesTheProgramMark(const std::vector<CustomProperty>& properties) {
  return std::any_of(properties.begin(), properties.end(), [](const CustomProperty& property) {
    return property.name == workbook_mark::kName && property.text == workbook_mark::kValue;
  });
}

// The computed hours of corrected cells; each must name a cell of C5:S20 that holds a number,
// or nothing when the teacher emptied it.
std::optional<WorkbookNotes> NotesOf(const std::vector<CustomProperty>& properties, const CellGrid& cells) {
  WorkbookNotes notes;
  for (const CustomProperty& property : properties) {
    const auto cell = CellOfComputedHoursProperty(property.name);
    if (!cell) continue;
    const bool hours = cell->row >= 5 && cell->row <= 20 && cell->column >= 3 && cell->column <= 19;
    const CellKind kind = hours ? cells.KindAt(cell->row, cell->column) : CellKind::Text;
    if (!property.number || (kind != CellKind::Number && kind != CellKind::Empty)) {
      return std::nullopt;
    }
    notes.computedOfCorrected.push_back({cell->row, cell->column, *property.number});
  }
  return notes;
}

}  // namespace

std::string CellProblem(std::string_view cellName, std::string_view what) {
  return std::string(cellName) + " katagida " + std::string(what);
}

OpenRefusal RefuseOpening(std::string_view fileName, std::string_view why) {
  return OpenRefusal{"\"" + std::string(fileName) + "\" ochilmadi: " + std::string(why)};
}

OpenRefusal DamagedWorkbook(std::string_view fileName, std::string_view detail) {
  return RefuseOpening(fileName,
                       "ish kitobi buzilgan yoki boshqa dasturda o'zgartirilgan (" + std::string(detail) + ")");
}

OpenRefusal NotAWorkbook(std::string_view fileName) {
  return RefuseOpening(fileName, "bu Excel ish kitobi emas yoki u buzilgan.");
}

OpenRefusal DamagedPart(std::string_view fileName) {
  return DamagedWorkbook(fileName, "qismlaridan biri shikastlangan");
}

OpenRefusal UnreadableSheet(std::string_view fileName) { return DamagedWorkbook(fileName, "varaqni o'qib bo'lmadi"); }

std::optional<OpenRefusal> RefusalOfStranger(std::string_view fileName, const std::vector<CustomProperty>& properties,
                                             std::size_t worksheetCount) {
  if (!CarriesTheProgramMark(properties)) {
    return RefuseOpening(fileName,
                         "bu ish kitobini Soatnoma yozmagan. Faqat Soatnomada saqlangan hisobotni ochish mumkin.");
  }
  if (worksheetCount != 1) {
    return DamagedWorkbook(fileName, "unda bitta emas, " + std::to_string(worksheetCount) + " ta varaq bor");
  }
  return std::nullopt;
}

report_sheet::ReportSheet EmptyReportForm() {
  report_sheet::ReportSheet sheet;
  report_sheet::WriteReportFrame(sheet, report_sheet::ReportTexts{}, 0);
  report_sheet::WriteReportFooter(sheet, report_sheet::ReportTexts{});
  CellGrid& cells = sheet.Cells();
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) cells.ClearCell(row, column);
  }
  return sheet;
}

std::optional<std::string> SetStoredFormula(CellGrid& cells, int row, int column, std::string_view a1) {
  const auto relative = report_sheet::RelativeFormulaFromA1(a1, row, column);
  if (!relative) return ColumnLetters(column) + std::to_string(row) + " katagida hisobotga xos bo'lmagan formula bor.";
  cells.SetFormula(row, column, *relative);
  return std::nullopt;
}

OpenOutcome FinishOpening(std::string_view fileName, report_sheet::ReportSheet sheet,
                          const std::vector<CustomProperty>& properties) {
  if (auto problem = report_sheet::FindFormProblem(sheet.Cells())) return DamagedWorkbook(fileName, *problem);
  auto notes = NotesOf(properties, sheet.Cells());
  if (!notes) return DamagedWorkbook(fileName, "tuzatishlar haqidagi yozuv noto'g'ri");
  // a sheet pasted as values elsewhere
  const int restored = RestorePastedTotals(sheet.Cells(), notes->computedOfCorrected);
  return OpenedReport{std::move(sheet), std::move(*notes), PastedTotalsNotice(restored)};
}

}  // namespace soatnoma::workbook_package
