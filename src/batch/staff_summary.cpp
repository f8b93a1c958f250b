#include "batch/staff_summary.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/number_text.h"
#include "model/typed_number.h"
#include "model/workload_table.h"
#include "report/workbook_text.h"

namespace soatnoma::batch {
namespace {

// The cell of the report that holds the yearly total of all work.
constexpr CellRef kAnnualTotalCell(kFirstWorkRow, col::S);
constexpr const char* kTotalLabel = "Jami";

// Where things stand on the sheet, rows 0 first: the sheet's heading, a gap, the column
// headings (printed again on top of every page), the teachers, the total, and after a gap
// the signature lines.
constexpr lxw_row_t kTitleRow = 0;
constexpr lxw_row_t kHeadingRow = 2;
constexpr lxw_row_t kFirstTeacherRow = kHeadingRow + 1;
constexpr lxw_row_t kGapBeforeSignatures = 2;
constexpr lxw_row_t kGapBetweenSignatures = 2;

constexpr std::array<const char*, 2> kSignatureLines = {
    "Direktor: _______________________  _______________________",
    "O'quv ishlari bo'yicha direktor o'rinbosari: _______________________  _______________________",
};

// The column headings wrap onto two lines; a spreadsheet that takes stored heights would cut them.
constexpr double kHeadingRowHeight = 27;  // points
constexpr double kTitleFontSize = 12;     // points
constexpr double kTitleLineHeight = 17;   // points, a line of the title
constexpr std::size_t kTitleLineLength = 85;  // characters of the title on one line across the columns
constexpr std::size_t kMostNamedSchools = 10;     // more are counted in the title
constexpr std::size_t kLongestSchoolList = 120;   // characters; a longer list is counted too
constexpr double kLineHeight = 12;            // points, a line of a cell in the standard font
constexpr double kSignatureRowHeight = 24;    // points

lxw_error Text(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text, lxw_format* format) {
  return worksheet_write_string(sheet, row, column, EscapedForWorkbook(text).c_str(), format);
}

// Letters, not bytes: a UTF-8 text's count of characters.
std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

enum class ColumnKind { Text, Number, AnnualTotal };

struct SummaryColumn {
  const char* heading;
  double width;   // characters
  double widest;  // characters; a text column widens to its longest text up to this, then wraps
  ColumnKind kind;
  bool summed;                              // the total row adds this column up
  std::string (*text)(const SummaryRow&);  // of a text column
  double (*number)(const SummaryRow&);      // of a number column; the annual total's result
};

constexpr std::array<SummaryColumn, 8> kColumns = {{
    {"Familiya va ism", 30, 46, ColumnKind::Text, false, [](const SummaryRow& row) { return row.name; }, nullptr},
    {"Maktab", 9, 16, ColumnKind::Text, false, [](const SummaryRow& row) { return row.school; }, nullptr},
    {"Fan", 18, 30, ColumnKind::Text, false, [](const SummaryRow& row) { return row.subject; }, nullptr},
    {"Toifa", 13, 13, ColumnKind::Text, false,
     [](const SummaryRow& row) { return std::string(row.category == TeacherCategory::Upper ? "yuqori" : "boshlang'ich"); },
     nullptr},
    {"Haftalik dars soati", 10, 10, ColumnKind::Number, true, nullptr, [](const SummaryRow& row) { return row.weeklyHours; }},
    {"Stavka", 8, 8, ColumnKind::Number, false, nullptr, [](const SummaryRow& row) { return row.rate; }},
    {"Sinf rahbarligi", 10, 10, ColumnKind::Text, false,
     [](const SummaryRow& row) { return std::string(row.classLeader ? "ha" : "yo'q"); }, nullptr},
    {"Yillik umumiy ish yuklamasi", 14, 14, ColumnKind::AnnualTotal, true, nullptr,
     [](const SummaryRow& row) { return row.annualTotal; }},
}};

lxw_error WriteCell(lxw_worksheet* worksheet, lxw_row_t row, lxw_col_t column, const SummaryRow& teacher,
                    lxw_format* format) {
  const SummaryColumn& spec = kColumns[column];
  switch (spec.kind) {
    case ColumnKind::Text: return Text(worksheet, row, column, spec.text(teacher), format);
    case ColumnKind::Number: return worksheet_write_number(worksheet, row, column, spec.number(teacher), format);
    case ColumnKind::AnnualTotal: break;
  }
  const std::string formula = AnnualTotalFormula(teacher.sheetName);
  return worksheet_write_formula_num(worksheet, row, column, formula.c_str(), format, spec.number(teacher));
}

CellFormat Bordered(bool bold, bool number) {
  CellFormat format;
  format.bold = bold;
  format.border = LineStyle::Continuous;
  format.vertical = VerticalAlignment::Center;
  format.horizontal = number ? HorizontalAlignment::Center : HorizontalAlignment::General;
  format.wrapText = !number;
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

CellFormat Heading() {
  CellFormat format = Bordered(true, true);
  format.wrapText = true;
  return format;
}

// The total row: the label, then the sum of every summed column with its result.
lxw_error WriteTotals(lxw_worksheet* worksheet, const std::vector<SummaryRow>& rows, lxw_row_t totalRow,
                      XlsxFormats& formats) {
  lxw_error error = Text(worksheet, totalRow, 0, kTotalLabel, formats.For(Bordered(true, false)));
  for (lxw_col_t column = 1; column < kColumns.size() && error == LXW_NO_ERROR; ++column) {
    const SummaryColumn& spec = kColumns[column];
    lxw_format* format = formats.For(Bordered(true, spec.kind != ColumnKind::Text));
    if (!spec.summed) {
      error = worksheet_write_blank(worksheet, totalRow, column, format);
      continue;
    }
    std::array<char, 32> range{};
    lxw_rowcol_to_range(range.data(), kFirstTeacherRow, column, totalRow - 1, column);
    double sum = 0;
    for (const SummaryRow& row : rows) sum += spec.number(row);
    const std::string formula = "=SUM(" + std::string(range.data()) + ")";
    error = worksheet_write_formula_num(worksheet, totalRow, column, formula.c_str(), format, sum);
  }
  return error;
}

// The title across all the columns, as many lines high as its text needs.
lxw_error WriteTitle(lxw_worksheet* worksheet, const std::string& title, XlsxFormats& formats) {
  CellFormat format;
  format.bold = true;
  format.fontSize = kTitleFontSize;
  format.horizontal = HorizontalAlignment::Center;
  format.vertical = VerticalAlignment::Center;
  format.wrapText = true;
  const std::size_t lines = (CharacterCount(title) + kTitleLineLength - 1) / kTitleLineLength;
  worksheet_set_row(worksheet, kTitleRow, kTitleLineHeight * static_cast<double>(std::max<std::size_t>(lines, 1)) + 4,
                    nullptr);
  return worksheet_merge_range(worksheet, kTitleRow, 0, kTitleRow, kColumns.size() - 1,
                               EscapedForWorkbook(title).c_str(), formats.For(format));
}

// The director's and the deputy director's lines below the total row.
lxw_error WriteSignatures(lxw_worksheet* worksheet, lxw_row_t totalRow, XlsxFormats& formats) {
  CellFormat format;
  format.vertical = VerticalAlignment::Bottom;
  lxw_error error = LXW_NO_ERROR;
  lxw_row_t row = totalRow + kGapBeforeSignatures;
  for (const char* line : kSignatureLines) {
    if (error != LXW_NO_ERROR) break;
    worksheet_set_row(worksheet, row, kSignatureRowHeight, nullptr);  // room to sign above the line
    error = worksheet_merge_range(worksheet, row, 0, row, kColumns.size() - 1, line, formats.For(format));
    row += kGapBetweenSignatures;
  }
  return error;
}

void SetPage(lxw_worksheet* worksheet) {
  worksheet_set_landscape(worksheet);
  worksheet_set_paper(worksheet, 9);  // A4
  worksheet_fit_to_pages(worksheet, 1, 0);
  worksheet_repeat_rows(worksheet, kHeadingRow, kHeadingRow);
  worksheet_freeze_panes(worksheet, kFirstTeacherRow, 0);
  worksheet_set_footer(worksheet, "&C&P");
}

}  // namespace

SummaryRow SummaryRowFor(const RosterTeacher& teacher, const std::string& sheetName, const ReportSheet& report) {
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
  return "='" + quoted + "'!" + ColumnLetters(kAnnualTotalCell.column) + std::to_string(kAnnualTotalCell.row);
}

std::string SummaryTitle(const std::vector<SummaryRow>& rows, int calendarYear) {
  std::vector<std::string> schools;
  for (const SummaryRow& row : rows) {
    const auto first = row.school.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    const std::string school = row.school.substr(first, row.school.find_last_not_of(" \t") - first + 1);
    if (std::ranges::find(schools, school) == schools.end()) schools.push_back(school);
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
  return title + std::to_string(calendarYear) + "/" + std::to_string(calendarYear + 1) +
         " o'quv yili uchun yillik ish yuklamasi";
}

lxw_error WriteStaffSummary(lxw_worksheet* worksheet, const std::vector<SummaryRow>& rows, int calendarYear,
                            XlsxFormats& formats) {
  lxw_error error = WriteTitle(worksheet, SummaryTitle(rows, calendarYear), formats);
  lxw_format* heading = formats.For(Heading());
  worksheet_set_row(worksheet, kHeadingRow, kHeadingRowHeight, nullptr);
  const auto widths = ColumnWidths(rows);
  for (lxw_col_t column = 0; column < kColumns.size() && error == LXW_NO_ERROR; ++column) {
    worksheet_set_column(worksheet, column, column, widths[column], nullptr);
    error = Text(worksheet, kHeadingRow, column, kColumns[column].heading, heading);
  }
  for (std::size_t i = 0; i < rows.size() && error == LXW_NO_ERROR; ++i) {
    // A spreadsheet program takes a stored height as it is: a row of wrapped text says its own.
    const std::size_t lines = LinesOf(rows[i], widths);
    if (lines > 1) {
      worksheet_set_row(worksheet, static_cast<lxw_row_t>(kFirstTeacherRow + i),
                        kLineHeight * static_cast<double>(lines) + 3, nullptr);
    }
    for (lxw_col_t column = 0; column < kColumns.size() && error == LXW_NO_ERROR; ++column) {
      lxw_format* format = formats.For(Bordered(false, kColumns[column].kind != ColumnKind::Text));
      error = WriteCell(worksheet, static_cast<lxw_row_t>(kFirstTeacherRow + i), column, rows[i], format);
    }
  }
  if (error != LXW_NO_ERROR) return error;
  SetPage(worksheet);
  const auto totalRow = static_cast<lxw_row_t>(kFirstTeacherRow + rows.size());
  error = WriteTotals(worksheet, rows, totalRow, formats);
  return error == LXW_NO_ERROR ? WriteSignatures(worksheet, totalRow, formats) : error;
}

}  // namespace soatnoma::batch
