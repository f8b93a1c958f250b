#include "staff_book/staff_workbook_file.h"

#include <algorithm>
#include <map>

#include "report_sheet/sheet_address.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "staff_book/staff_summary.h"

namespace soatnoma::staff_book {
namespace {

std::optional<std::string_view> MarkOf(const std::vector<workbook_package::CustomProperty>& properties) {
  for (const workbook_package::CustomProperty& property : properties) {
    if (property.name == workbook_package::workbook_mark::kName) return property.text;
  }
  return std::nullopt;
}

// "SUM(I4:I9)" or "SUM(I4)": the block it adds up.
std::optional<report_sheet::CellBlock> SummedBlock(std::string_view formula) {
  if (!formula.starts_with("SUM(") || !formula.ends_with(")")) return std::nullopt;
  const std::string_view range = formula.substr(4, formula.size() - 5);
  const auto colon = range.find(':');
  const auto first = report_sheet::ReadCellName(range.substr(0, colon));
  const auto last = colon == std::string_view::npos ? first : report_sheet::ReadCellName(range.substr(colon + 1));
  if (!first || !last) return std::nullopt;
  return report_sheet::CellBlock{first->firstRow, first->firstColumn, last->firstRow, last->firstColumn};
}

}  // namespace

WorkbookKind KindOfWorkbook(const std::vector<workbook_package::CustomProperty>& properties,
                            const std::vector<std::string>& sheetNames, std::string_view summaryTitle) {
  const auto mark = MarkOf(properties);
  if (mark == workbook_package::workbook_mark::kValue) return WorkbookKind::Report;
  if (mark == kStaffWorkbookMark) return WorkbookKind::Staff;
  // A staff workbook written before it carried a mark: a sheet "Jami" with its title.
  const bool summaryThere = sheetNames.size() >= 2 && SummarySheetIndex(sheetNames);
  if (!mark && summaryThere && summaryTitle.ends_with(kSummaryTitleEnd)) return WorkbookKind::Staff;
  return WorkbookKind::Stranger;
}

std::size_t SheetReadFirst(const std::vector<workbook_package::CustomProperty>& properties,
                           const std::vector<std::string>& sheetNames) {
  if (MarkOf(properties) == workbook_package::workbook_mark::kValue) return 0;
  return SummarySheetIndex(sheetNames).value_or(0);
}

std::vector<workbook_package::CustomProperty> PropertiesOfSheet(
    const std::vector<workbook_package::CustomProperty>& properties, std::string_view sheetName) {
  std::vector<workbook_package::CustomProperty> ofSheet;
  for (const workbook_package::CustomProperty& property : properties) {
    const auto named = workbook_package::SheetCellOfComputedHoursProperty(property.name);
    if (!named || named->sheetName != sheetName) continue;
    ofSheet.push_back({workbook_package::ComputedHoursPropertyName(named->cell.row, named->cell.column), property.text,
                       property.number});
  }
  return ofSheet;
}

std::vector<workbook_package::CustomProperty> PropertiesWithSheetNotes(
    const std::vector<workbook_package::CustomProperty>& properties, std::string_view sheetName,
    const workbook_package::WorkbookNotes& notes) {
  std::vector<workbook_package::CustomProperty> kept{
      {std::string(workbook_package::workbook_mark::kName), std::string(kStaffWorkbookMark), std::nullopt}};
  for (const workbook_package::CustomProperty& property : properties) {
    if (property.name == workbook_package::workbook_mark::kName) continue;
    const auto named = workbook_package::SheetCellOfComputedHoursProperty(property.name);
    if (named && named->sheetName == sheetName) continue;
    kept.push_back(property);
  }
  for (const workbook_package::ComputedHours& cell : notes.computedOfCorrected) {
    kept.push_back(
        {workbook_package::SheetComputedHoursPropertyName(sheetName, cell.row, cell.column), {}, cell.value});
  }
  return kept;
}

std::vector<StoredCellChange> ReportCellChanges(const report_sheet::ReportSheet& sheet) {
  using Kind = StoredCellChange::Kind;
  std::vector<StoredCellChange> changes;
  const CellGrid& cells = sheet.Cells();
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      switch (cells.KindAt(row, column)) {
        case CellKind::Number: changes.push_back({row, column, Kind::Number, cells.ReadNumber(row, column), {}}); break;
        case CellKind::Formula:
          changes.push_back({row, column, Kind::FormulaResult, cells.ReadNumber(row, column),
                             cells.FormulaAt(row, column)->ToA1(row, column)});
          break;
        case CellKind::Empty: changes.push_back({row, column, Kind::Empty, 0, {}}); break;
        case CellKind::Text: break;
      }
    }
  }
  return changes;
}

std::vector<StoredCellChange> SummaryCellChanges(const std::vector<StoredSheetCell>& summaryCells,
                                                 std::string_view sheetName, double newTotal) {
  std::map<std::pair<int, int>, double> stored;
  for (const StoredSheetCell& cell : summaryCells) {
    if (cell.number) stored[{cell.row, cell.column}] = *cell.number;
  }
  std::vector<StoredCellChange> changes;
  for (const StoredSheetCell& cell : summaryCells) {
    if (SheetOfAnnualTotal(cell.formula) != sheetName) continue;
    stored[{cell.row, cell.column}] = newTotal;
    changes.push_back({cell.row, cell.column, StoredCellChange::Kind::FormulaResult, newTotal, {}});
  }
  for (const StoredSheetCell& cell : summaryCells) {
    const auto block = SummedBlock(cell.formula);
    if (!block) continue;
    double sum = 0;
    for (int row = block->firstRow; row <= block->lastRow; ++row) {
      for (int column = block->firstColumn; column <= block->lastColumn; ++column) {
        const auto found = stored.find({row, column});
        sum += found == stored.end() ? 0 : found->second;
      }
    }
    changes.push_back({cell.row, cell.column, StoredCellChange::Kind::FormulaResult, sum, {}});
  }
  return changes;
}

workbook_package::OpenRefusal StaffWorkbookWithoutTeachers(std::string_view fileName) {
  return workbook_package::DamagedWorkbook(fileName, "xodimlar kitobining \"Jami\" varag'ida o'qituvchilar topilmadi");
}

workbook_package::OpenRefusal NotAStaffWorkbook(std::string_view fileName) {
  return workbook_package::RefuseOpening(fileName, "bu Soatnoma yozgan xodimlar kitobi emas.");
}

namespace {

// "xodimlar kitobida "<sheet>" o'qituvchisining varag'i", what is said of it follows.
std::string TeacherSheetInBook(std::string_view sheetName) {
  return "xodimlar kitobida \"" + std::string(sheetName) + "\" o'qituvchisining varag'i";
}

}  // namespace

std::string TeacherSheetNotReadDetail(std::string_view sheetName) {
  return TeacherSheetInBook(sheetName) + " o'qilmadi";
}

workbook_package::OpenRefusal NoTeacherSheet(std::string_view fileName, std::string_view sheetName) {
  return workbook_package::RefuseOpening(fileName, TeacherSheetInBook(sheetName) + " yo'q.");
}

}  // namespace soatnoma::staff_book
