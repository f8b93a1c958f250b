#include "staff_book/staff_teachers.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "staff_book/staff_summary.h"

namespace soatnoma::staff_book {
namespace {

constexpr std::string_view kNameHeading = kSummaryNameHeading;
constexpr std::string_view kTotalHeading = kAnnualWorkloadTitle;
// What a spreadsheet program writes in place of a reference to a sheet that was deleted.
constexpr std::string_view kLostReference = "#REF!";

// The heading row's columns of the teacher's name and of the yearly total.
struct SummaryColumns {
  int headingRow = 0;
  int name = 0;
  int total = 0;
};

std::optional<SummaryColumns> ColumnsOf(const std::vector<StoredSheetCell>& cells) {
  SummaryColumns columns;
  for (const StoredSheetCell& cell : cells) {
    if (cell.text == kNameHeading) columns = {cell.row, cell.column, columns.total};
    if (cell.text == kTotalHeading) columns.total = cell.column;
  }
  if (columns.headingRow == 0 || columns.total == 0) return std::nullopt;
  return columns;
}

// "S5", "$S$5", "S$5" or "$S5": the cell of the report that holds its yearly total.
bool IsAnnualTotalCell(std::string_view cell) {
  std::string plain;
  for (const char c : cell) {
    if (c != '$') plain += c;
  }
  const bool dollarsInPlace = cell.find("$$") == std::string_view::npos && !cell.ends_with('$');
  return dollarsInPlace && plain == ColumnLetters(col::S) + std::to_string(kFirstWorkRow);
}

// 'O''tkir' -> O'tkir; nullopt when a lone quote stands inside.
std::optional<std::string> UnquotedSheetName(std::string_view quoted) {
  if (quoted.size() < 3 || quoted.front() != '\'' || quoted.back() != '\'') return std::nullopt;
  quoted = quoted.substr(1, quoted.size() - 2);
  std::string name;
  for (std::size_t i = 0; i < quoted.size(); ++i) {
    name += quoted[i];
    if (quoted[i] != '\'') continue;
    if (i + 1 >= quoted.size() || quoted[i + 1] != '\'') return std::nullopt;
    ++i;
  }
  return name;
}

// A name a spreadsheet program writes without quotes: no blank, quote or sign of a formula.
bool IsBareSheetName(std::string_view name) {
  constexpr std::string_view kNeedsQuotes = " '!\"#$%&()*+,-/:;<=>?@[\\]^`{|}~";
  return !name.empty() && name.find_first_of(kNeedsQuotes) == std::string_view::npos;
}

// A row of the summary that names a teacher: what its yearly total holds.
struct TotalRow {
  int row = 0;
  const StoredSheetCell* total = nullptr;
};

std::vector<TotalRow> TeacherRows(const std::vector<StoredSheetCell>& cells, const SummaryColumns& columns) {
  std::vector<TotalRow> rows;
  for (const StoredSheetCell& cell : cells) {
    if (cell.row <= columns.headingRow || cell.column != columns.total) continue;
    if (cell.formula.starts_with("SUM(")) continue;  // the staff's total
    if (cell.formula.empty() && !cell.number && cell.text.empty()) continue;
    rows.push_back({cell.row, &cell});
  }
  std::sort(rows.begin(), rows.end(), [](const TotalRow& a, const TotalRow& b) { return a.row < b.row; });
  return rows;
}

std::string NameInRow(const std::vector<StoredSheetCell>& cells, int row, int column) {
  for (const StoredSheetCell& cell : cells) {
    if (cell.row == row && cell.column == column) return cell.text;
  }
  return {};
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Why a row's total opens no sheet, or empty when it opens sheetName.
std::string UnmatchedReason(const StoredSheetCell& total, const std::optional<std::string>& sheet,
                            const std::vector<std::string>& sheetNames, const std::set<std::string>& taken) {
  if (total.formula.find(kLostReference) != std::string::npos) {
    return "yillik jami o'chirilgan varaqqa ishora qiladi (#REF!)";
  }
  if (!sheet) return "yillik jami hech bir o'qituvchining varag'iga ishora qilmaydi";
  if (std::find(sheetNames.begin(), sheetNames.end(), *sheet) == sheetNames.end()) {
    return "yillik jami " + Quoted(*sheet) + " varag'iga ishora qiladi, kitobda bunday varaq yo'q";
  }
  if (taken.contains(*sheet)) {
    return "yillik jami " + Quoted(*sheet) + " varag'iga ishora qiladi, u yuqoriroqda ham bor";
  }
  return {};
}

StaffTeacherSheet ListedRow(const std::vector<StoredSheetCell>& cells, const SummaryColumns& columns,
                            const TotalRow& row, const std::vector<std::string>& sheetNames,
                            const std::set<std::string>& taken) {
  const auto sheet = SheetOfAnnualTotal(row.total->formula);
  StaffTeacherSheet listed{sheet.value_or(""), NameInRow(cells, row.row, columns.name), 0, {}, {}};
  listed.summaryRow = row.row;
  listed.unmatched = UnmatchedReason(*row.total, sheet, sheetNames, taken);
  if (!listed.unmatched.empty()) {
    listed.sheetName.clear();  // the reason names the sheet; the row opens none
    return listed;
  }
  if (row.total->number && std::isfinite(*row.total->number)) {
    listed.annualTotal = *row.total->number;
  } else {
    listed.totalUnread = "\"Jami\" saqlagan yillik jami son emas";
  }
  return listed;
}

}  // namespace

std::optional<std::string> SheetOfAnnualTotal(std::string_view formula) {
  const auto bang = formula.rfind('!');
  if (bang == std::string_view::npos || !IsAnnualTotalCell(formula.substr(bang + 1))) return std::nullopt;
  const std::string_view sheet = formula.substr(0, bang);
  if (sheet.starts_with('\'')) return UnquotedSheetName(sheet);
  if (!IsBareSheetName(sheet)) return std::nullopt;
  return std::string(sheet);
}

std::optional<std::vector<StaffTeacherSheet>> StaffTeachers(const std::vector<StoredSheetCell>& summaryCells,
                                                            const std::vector<std::string>& sheetNames) {
  const auto columns = ColumnsOf(summaryCells);
  if (!columns) return std::nullopt;
  std::vector<StaffTeacherSheet> listed;
  std::set<std::string> taken;
  for (const TotalRow& row : TeacherRows(summaryCells, *columns)) {
    listed.push_back(ListedRow(summaryCells, *columns, row, sheetNames, taken));
    if (listed.back().Openable()) taken.insert(listed.back().sheetName);
  }
  for (const std::string& sheet : sheetNames) {
    if (sheet == kSummarySheetName || taken.contains(sheet)) continue;
    listed.push_back({sheet, {}, 0, "\"Jami\" varag'ida bu varaqqa ishora qiluvchi qator yo'q", {}});
  }
  if (listed.empty()) return std::nullopt;
  return listed;
}

std::optional<std::size_t> SummarySheetIndex(const std::vector<std::string>& sheetNames) {
  const auto found = std::find(sheetNames.begin(), sheetNames.end(), kSummarySheetName);
  if (found == sheetNames.end()) return std::nullopt;
  return static_cast<std::size_t>(found - sheetNames.begin());
}

}  // namespace soatnoma::staff_book
