#include "staff_book/staff_summary.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/relative_formula.h"
#include "model/typed_number.h"
#include "report_sheet/report_texts.h"
#include "model/workload_table.h"

namespace soatnoma::staff_book {
namespace {

// The cell of the report that holds the yearly total of all work.
constexpr CellRef kAnnualTotalCell(kFirstWorkRow, col::S);
constexpr const char* kTotalLabel = "Jami";

// Where things stand on the sheet: the sheet's heading, a gap, the column headings
// (printed again on top of every page), the teachers, the total, and after a gap the
// signature lines.
constexpr int kTitleRow = 1;
constexpr int kHeadingRow = 3;
constexpr int kFirstTeacherRow = kHeadingRow + 1;
constexpr int kGapBeforeSignatures = 2;
constexpr int kGapBetweenSignatures = 2;

constexpr std::array<const char*, 2> kSignatureLines = {
    "Direktor: _______________________  _______________________",
    "O'quv ishlari bo'yicha direktor o'rinbosari: _______________________  _______________________",
};

// The column headings wrap onto two lines; a spreadsheet that takes stored heights would cut them.
constexpr double kHeadingRowHeight = 27;           // points
constexpr double kTitleFontSize = 12;              // points
constexpr double kTitleLineHeight = 17;            // points, a line of the title
constexpr std::size_t kTitleLineLength = 85;       // characters of the title on one line across the columns
constexpr std::size_t kMostNamedSchools = 10;      // more are counted in the title
constexpr std::size_t kLongestSchoolList = 120;    // characters; a longer list is counted too
constexpr double kLineHeight = 12;                 // points, a line of a cell in the standard font
constexpr double kSignatureRowHeight = 24;         // points
constexpr const char* kPageNumberFooter = "&C&P";  // the page's number, centred
// How the category and class leadership read in a teacher's row.
constexpr std::string_view kUpperText = "yuqori";
constexpr std::string_view kPrimaryText = "boshlang'ich";
constexpr std::string_view kLeaderText = "ha";
constexpr std::string_view kNotLeaderText = "yo'q";

// Letters, not bytes: a UTF-8 text's count of characters.
std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

enum class ColumnKind { Ordinal, Text, Number, AnnualTotal };

struct SummaryColumn {
  const char* heading;
  double width;   // characters
  double widest;  // characters; a text column widens to its longest text up to this, then wraps
  ColumnKind kind;
  bool summed;                             // the total row adds this column up
  std::string (*text)(const SummaryRow&);  // of a text column
  double (*number)(const SummaryRow&);     // of a number column; the annual total's result
  // The row's field from the cell as a workbook stores it (the ordinal is counted anew).
  void (*readBack)(SummaryRow&, const StoredSummaryCell&);
};

constexpr std::array<SummaryColumn, 9> kColumns = {{
    {"\xE2\x84\x96", 5, 5, ColumnKind::Ordinal, false, nullptr, nullptr,  // "№": the teacher's place in the list
     [](SummaryRow&, const StoredSummaryCell&) {}},
    {kSummaryNameHeading, 30, 46, ColumnKind::Text, false, [](const SummaryRow& row) { return row.name; }, nullptr,
     [](SummaryRow& row, const StoredSummaryCell& cell) { row.name = cell.text; }},
    {"Maktab", 9, 16, ColumnKind::Text, false, [](const SummaryRow& row) { return row.school; }, nullptr,
     [](SummaryRow& row, const StoredSummaryCell& cell) { row.school = cell.text; }},
    {"Fan", 18, 30, ColumnKind::Text, false, [](const SummaryRow& row) { return row.subject; }, nullptr,
     [](SummaryRow& row, const StoredSummaryCell& cell) { row.subject = cell.text; }},
    {"Toifa", 13, 13, ColumnKind::Text, false,
     [](const SummaryRow& row) {
       return std::string(row.category == TeacherCategory::Upper ? kUpperText : kPrimaryText);
     },
     nullptr,
     [](SummaryRow& row, const StoredSummaryCell& cell) {
       row.category = cell.text == kPrimaryText ? TeacherCategory::Primary : TeacherCategory::Upper;
     }},
    {"Haftalik dars soati", 10, 10, ColumnKind::Number, true, nullptr,
     [](const SummaryRow& row) { return row.weeklyHours; },
     [](SummaryRow& row, const StoredSummaryCell& cell) { row.weeklyHours = cell.number.value_or(0); }},
    {"Stavka", 8, 8, ColumnKind::Number, false, nullptr, [](const SummaryRow& row) { return row.rate; },
     [](SummaryRow& row, const StoredSummaryCell& cell) { row.rate = cell.number.value_or(0); }},
    {kClassLeadershipTitle, 10, 10, ColumnKind::Text, false,
     [](const SummaryRow& row) { return std::string(row.classLeader ? kLeaderText : kNotLeaderText); }, nullptr,
     [](SummaryRow& row, const StoredSummaryCell& cell) { row.classLeader = cell.text == kLeaderText; }},
    // As wide as the longest total the summary shows (fifteen digits, a point and a sign),
    // so that no printed page cuts a digit off it.
    {kAnnualWorkloadTitle, 18, 18, ColumnKind::AnnualTotal, true, nullptr,
     [](const SummaryRow& row) { return row.annualTotal; },
     [](SummaryRow& row, const StoredSummaryCell& cell) { row.annualTotal = cell.number.value_or(0); }},
}};
constexpr int kColumnCount = static_cast<int>(kColumns.size());

report_sheet::CellFormat Bordered(bool bold, bool number) {
  report_sheet::CellFormat format;
  format.bold = bold;
  format.border = report_sheet::LineStyle::Continuous;
  format.vertical = report_sheet::VerticalAlignment::Center;
  format.horizontal = number ? report_sheet::HorizontalAlignment::Center : report_sheet::HorizontalAlignment::General;
  format.wrapText = !number;
  return format;
}

report_sheet::CellFormat Heading() {
  report_sheet::CellFormat format = Bordered(true, true);
  format.wrapText = true;
  return format;
}

report_sheet::CellFormat Title() {
  report_sheet::CellFormat format;
  format.bold = true;
  format.fontSize = kTitleFontSize;
  format.horizontal = report_sheet::HorizontalAlignment::Center;
  format.vertical = report_sheet::VerticalAlignment::Center;
  format.wrapText = true;
  return format;
}

report_sheet::CellFormat Signature() {
  report_sheet::CellFormat format;
  format.vertical = report_sheet::VerticalAlignment::Bottom;
  return format;
}

// Each column's width: a text column as wide as its longest text, within its bounds.
std::array<double, kColumns.size()> ColumnWidths(const std::vector<SummaryRow>& rows) {
  std::array<double, kColumns.size()> widths{};
  for (std::size_t column = 0; column < kColumns.size(); ++column) {
    const SummaryColumn& spec = kColumns[column];
    widths[column] = spec.width;
    if (spec.kind != ColumnKind::Text) continue;
    for (const SummaryRow& row : rows) {
      const double wanted = static_cast<double>(CharacterCount(spec.text(row))) + 1;
      widths[column] = std::clamp(wanted, widths[column], spec.widest);
    }
  }
  return widths;
}

// The lines a teacher's row needs, its longest text wrapped in its column.
std::size_t LinesOf(const SummaryRow& row, const std::array<double, kColumns.size()>& widths) {
  std::size_t lines = 1;
  for (std::size_t column = 0; column < kColumns.size(); ++column) {
    if (kColumns[column].kind != ColumnKind::Text) continue;
    const auto perLine = static_cast<std::size_t>(std::max(1.0, widths[column] - 1));
    lines = std::max(lines, (CharacterCount(kColumns[column].text(row)) + perLine - 1) / perLine);
  }
  return lines;
}

// "E4:E9", or "E4" for a single cell.
std::string ColumnRange(int column, int firstRow, int lastRow) {
  const std::string first = ColumnLetters(column) + std::to_string(firstRow);
  return firstRow == lastRow ? first : first + ":" + ColumnLetters(column) + std::to_string(lastRow);
}

// Cells are added in the order they are written, formats as they are first used.
class SheetBuilder {
 public:
  explicit SheetBuilder(SummarySheet& sheet) : sheet_(sheet) {}

  void Text(int row, int column, std::string text, const report_sheet::CellFormat& format, int lastColumn = 0) {
    SummaryCell& cell = Add(row, column, SummaryCellKind::Text, format);
    cell.text = std::move(text);
    cell.lastColumn = std::max(column, lastColumn);
  }
  void Number(int row, int column, double number, const report_sheet::CellFormat& format) {
    Add(row, column, SummaryCellKind::Number, format).number = number;
  }
  void Formula(int row, int column, std::string formula, double result, const report_sheet::CellFormat& format) {
    SummaryCell& cell = Add(row, column, SummaryCellKind::Formula, format);
    cell.formula = std::move(formula);
    cell.number = result;
  }
  void Blank(int row, int column, const report_sheet::CellFormat& format) {
    Add(row, column, SummaryCellKind::Blank, format);
  }

 private:
  SummaryCell& Add(int row, int column, SummaryCellKind kind, const report_sheet::CellFormat& format) {
    SummaryCell& cell = sheet_.cells.emplace_back();
    cell.row = row;
    cell.column = column;
    cell.lastColumn = column;
    cell.kind = kind;
    cell.format = FormatIndex(format);
    return cell;
  }
  std::size_t FormatIndex(const report_sheet::CellFormat& format) {
    const auto known = std::find(sheet_.formats.begin(), sheet_.formats.end(), format);
    if (known != sheet_.formats.end()) return static_cast<std::size_t>(known - sheet_.formats.begin());
    sheet_.formats.push_back(format);
    return sheet_.formats.size() - 1;
  }

  SummarySheet& sheet_;
};

// The title across all the columns, as many lines high as its text needs.
void AddTitle(SummarySheet& sheet, SheetBuilder& cells, const std::string& title) {
  const std::size_t lines = (CharacterCount(title) + kTitleLineLength - 1) / kTitleLineLength;
  sheet.heights.push_back({kTitleRow, kTitleLineHeight * static_cast<double>(std::max<std::size_t>(lines, 1)) + 4});
  cells.Text(kTitleRow, 1, title, Title(), kColumnCount);
}

void AddTeacher(SheetBuilder& cells, int row, const SummaryRow& teacher) {
  for (int column = 1; column <= kColumnCount; ++column) {
    const SummaryColumn& spec = kColumns[static_cast<std::size_t>(column - 1)];
    const report_sheet::CellFormat format = Bordered(false, spec.kind != ColumnKind::Text);
    switch (spec.kind) {
      case ColumnKind::Ordinal: cells.Number(row, column, row - kFirstTeacherRow + 1, format); break;
      case ColumnKind::Text: cells.Text(row, column, spec.text(teacher), format); break;
      case ColumnKind::Number: cells.Number(row, column, spec.number(teacher), format); break;
      case ColumnKind::AnnualTotal:
        cells.Formula(row, column, AnnualTotalFormula(teacher.sheetName), spec.number(teacher), format);
        break;
    }
  }
}

// The total row: the label across the place and the name, then the sum of every summed
// column with its result.
void AddTotals(SheetBuilder& cells, const std::vector<SummaryRow>& rows, int totalRow) {
  constexpr int kLabelColumns = 2;
  cells.Text(totalRow, 1, kTotalLabel, Bordered(true, false), kLabelColumns);
  for (int column = kLabelColumns + 1; column <= kColumnCount; ++column) {
    const SummaryColumn& spec = kColumns[static_cast<std::size_t>(column - 1)];
    const report_sheet::CellFormat format = Bordered(true, spec.kind != ColumnKind::Text);
    if (!spec.summed) {
      cells.Blank(totalRow, column, format);
      continue;
    }
    double sum = 0;
    for (const SummaryRow& row : rows) sum += spec.number(row);
    cells.Formula(totalRow, column, "SUM(" + ColumnRange(column, kFirstTeacherRow, totalRow - 1) + ")", sum, format);
  }
}

// The director's and the deputy director's lines below the total row.
void AddSignatures(SummarySheet& sheet, SheetBuilder& cells, int totalRow) {
  int row = totalRow + kGapBeforeSignatures;
  for (const char* line : kSignatureLines) {
    sheet.heights.push_back({row, kSignatureRowHeight});  // room to sign above the line
    cells.Text(row, 1, line, Signature(), kColumnCount);
    row += kGapBetweenSignatures;
  }
}

}  // namespace

SummaryRow SummaryRowFor(const roster_rules::RosterTeacher& teacher, const std::string& sheetName,
                         const report_sheet::ReportSheet& report) {
  return SummaryRow{teacher.name,
                    teacher.school,
                    teacher.subject,
                    teacher.category,
                    ReadTypedNumber(teacher.weeklyHours).value,
                    ReadTypedNumber(teacher.rate).value,
                    teacher.classLeader,
                    sheetName,
                    report.Cells().ReadNumber(kAnnualTotalCell.row, kAnnualTotalCell.column)};
}

std::string AnnualTotalFormula(const std::string& sheetName) {
  std::string quoted;
  for (char c : sheetName) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return "'" + quoted + "'!" + ColumnLetters(kAnnualTotalCell.column) + std::to_string(kAnnualTotalCell.row);
}

std::string SummaryTitle(const std::vector<SummaryRow>& rows, int calendarYear) {
  std::vector<std::string> schools;
  for (const SummaryRow& row : rows) {
    const auto first = row.school.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    const std::string school =
        report_sheet::SchoolNumberText(row.school.substr(first, row.school.find_last_not_of(" \t") - first + 1));
    if (std::find(schools.begin(), schools.end(), school) == schools.end()) schools.push_back(school);
  }
  std::string title;
  for (const std::string& school : schools) title += (title.empty() ? "" : ", ") + school;
  if (schools.empty()) {
    title = "O'qituvchilarning ";
  } else if (schools.size() > kMostNamedSchools || CharacterCount(title) > kLongestSchoolList) {
    // A district's many schools are counted rather than named, so the title stays a title.
    title = std::to_string(schools.size()) + " ta maktab o'qituvchilarining ";
  } else {
    title += schools.size() == 1 ? " - sonli maktab o'qituvchilarining " : " - sonli maktablar o'qituvchilarining ";
  }
  return title + std::to_string(calendarYear) + "/" + std::to_string(calendarYear + 1) + std::string(kSummaryTitleEnd);
}

SummaryRow SummaryRowOfStored(const std::function<StoredSummaryCell(std::string_view heading)>& cellUnder,
                              std::string sheetName) {
  SummaryRow row;
  for (const SummaryColumn& column : kColumns) column.readBack(row, cellUnder(column.heading));
  row.sheetName = std::move(sheetName);
  return row;
}

SummarySheet DescribeStaffSummary(const std::vector<SummaryRow>& rows, int calendarYear) {
  return DescribeTitledSummary(rows, SummaryTitle(rows, calendarYear));
}

SummarySheet DescribeTitledSummary(const std::vector<SummaryRow>& rows, const std::string& title) {
  SummarySheet sheet;
  SheetBuilder cells(sheet);
  AddTitle(sheet, cells, title);
  sheet.heights.push_back({kHeadingRow, kHeadingRowHeight});
  const auto widths = ColumnWidths(rows);
  sheet.columnWidths.assign(widths.begin(), widths.end());
  for (int column = 1; column <= kColumnCount; ++column) {
    cells.Text(kHeadingRow, column, kColumns[static_cast<std::size_t>(column - 1)].heading, Heading());
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = kFirstTeacherRow + static_cast<int>(i);
    // A spreadsheet program takes a stored height as it is: a row of wrapped text says its own.
    const std::size_t lines = LinesOf(rows[i], widths);
    if (lines > 1) sheet.heights.push_back({row, kLineHeight * static_cast<double>(lines) + 3});
    AddTeacher(cells, row, rows[i]);
  }
  const int totalRow = kFirstTeacherRow + static_cast<int>(rows.size());
  AddTotals(cells, rows, totalRow);
  sheet.totalRow = totalRow;
  AddSignatures(sheet, cells, totalRow);
  sheet.page.repeatedRow = kHeadingRow;
  sheet.page.frozenRows = kFirstTeacherRow - 1;
  sheet.page.footer = kPageNumberFooter;
  return sheet;
}

}  // namespace soatnoma::staff_book
