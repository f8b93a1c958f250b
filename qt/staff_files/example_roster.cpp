#include "staff_files/example_roster.h"

#include <xlsxwriter.h>

#include <array>
#include <fstream>
#include <string_view>
#include <variant>

#include "roster_rules/csv_records.h"
#include "model/number_text.h"
#include "report_files/atomic_save.h"

namespace soatnoma::batch {
namespace {

using ExampleCell = std::variant<std::string_view, double>;  // a text, or a number
constexpr std::size_t kColumns = 13;
using ExampleRow = std::array<ExampleCell, kColumns>;

constexpr std::string_view kNone;

constexpr std::array<std::string_view, kColumns> kHeader = {"ism", "maktab", "fan", "toifa", "soat", "stavka", "rahbar",
                                                             "du",  "se",     "ch",  "pa",    "ju",   "sh"};

const std::array<ExampleRow, 4> kTeachers = {{
    {"Karimova Dilnoza", 12.0, "Ona tili va adabiyot", "yuqori", 24.0, kNone, "ha", kNone, kNone, kNone, kNone, kNone,
     kNone},
    {"Toshmatov O\xCA\xBBtkir", 12.0, "Fizika", "yuqori", kNone, kNone, "yo'q", 4.0, 4.0, 4.0, 4.0, 4.0, 2.5},
    {"Aliyeva Nodira", 12.0, "Boshlang\xCA\xBBich sinf", "boshlangich", 18.0, 18.0, "ha", kNone, kNone, kNone, kNone,
     kNone, kNone},
    {"Rahimov Sardor", 12.0, "Matematika", "yuqori", 27.5, 20.0, kNone, kNone, kNone, kNone, kNone, kNone, kNone},
}};

// The second sheet of the workbook: what each column holds.
constexpr std::array<std::array<std::string_view, 2>, 11> kColumnNotes = {{
    {"ism", "o'qituvchining familiyasi va ismi"},
    {"maktab", "maktab raqami"},
    {"fan", "fan"},
    {"toifa", "yuqori (yuqori sinflar, stavka 20) yoki boshlangich (boshlang'ich sinflar, stavka 18)"},
    {"soat", "haftalik dars soati, formadagi kabi (22,5 yoki 22.5)"},
    {"stavka", "dars stavkasi; bo'sh bo'lsa toifaniki (20 yoki 18)"},
    {"rahbar", "sinf rahbari: ha yoki 1; yo'q, 0 yoki bo'sh - rahbar emas"},
    {"du se ch pa ju sh", "har kungi dars soati; soat bo'sh bo'lsa qo'shib hisoblanadi"},
    {"", "Ustunlar istalgan tartibda bo'lishi mumkin; stavka, rahbar va kun ustunlari majburiy emas."},
    {"", "Birinchi varaq o'qiladi: birinchi qatorda ustun nomlari, keyin har qatorda bitta o'qituvchi."},
    {"", "Bo'sh qatorlar o'tkazib yuboriladi."},
}};

// A number as Excel shows it in Uzbek settings: "22,5".
std::string WithDecimalComma(double number) {
  std::string text = NumberToText(number);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

std::string CsvField(const ExampleCell& cell) {
  if (const double* number = std::get_if<double>(&cell)) return WithDecimalComma(*number);
  const std::string_view text = std::get<std::string_view>(cell);
  if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

template <typename Row>
std::string CsvLine(const Row& row) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) line += ';';
    line += CsvField(row[i]);
  }
  return line + "\r\n";
}

bool WriteCsv(const std::string& path, std::string& detail) {
  std::ofstream file(path, std::ios::binary);
  file << ExampleRosterCsv();
  file.close();
  if (!file) detail = "yozib bo'lmadi";
  return static_cast<bool>(file);
}

lxw_error WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const ExampleCell& cell) {
  if (const double* number = std::get_if<double>(&cell)) return worksheet_write_number(sheet, row, column, *number, nullptr);
  const std::string text(std::get<std::string_view>(cell));
  return text.empty() ? LXW_NO_ERROR : worksheet_write_string(sheet, row, column, text.c_str(), nullptr);
}

// Printed on A4 landscape, every column on the page.
void PrintPageWide(lxw_worksheet* sheet) {
  worksheet_set_landscape(sheet);
  worksheet_set_paper(sheet, 9);
  worksheet_fit_to_pages(sheet, 1, 0);
}

lxw_error WriteTeachers(lxw_workbook* workbook, lxw_worksheet* sheet) {
  lxw_format* bold = workbook_add_format(workbook);
  format_set_bold(bold);
  lxw_error error = LXW_NO_ERROR;
  for (lxw_col_t column = 0; column < kColumns && error == LXW_NO_ERROR; ++column) {
    error = worksheet_write_string(sheet, 0, column, std::string(kHeader[column]).c_str(), bold);
  }
  for (std::size_t row = 0; row < kTeachers.size() && error == LXW_NO_ERROR; ++row) {
    for (lxw_col_t column = 0; column < kColumns && error == LXW_NO_ERROR; ++column) {
      error = WriteCell(sheet, static_cast<lxw_row_t>(row + 1), column, kTeachers[row][column]);
    }
  }
  worksheet_set_column(sheet, 0, 0, 24, nullptr);
  worksheet_set_column(sheet, 2, 2, 22, nullptr);
  worksheet_set_column(sheet, 3, 3, 12, nullptr);
  worksheet_set_column(sheet, 7, 12, 5, nullptr);
  worksheet_freeze_panes(sheet, 1, 0);
  PrintPageWide(sheet);
  return error;
}

lxw_error WriteNotes(lxw_worksheet* sheet) {
  lxw_error error = LXW_NO_ERROR;
  for (std::size_t row = 0; row < kColumnNotes.size() && error == LXW_NO_ERROR; ++row) {
    for (lxw_col_t column = 0; column < 2 && error == LXW_NO_ERROR; ++column) {
      error = WriteCell(sheet, static_cast<lxw_row_t>(row), column, kColumnNotes[row][column]);
    }
  }
  worksheet_set_column(sheet, 0, 0, 18, nullptr);
  worksheet_set_column(sheet, 1, 1, 90, nullptr);
  PrintPageWide(sheet);
  return error;
}

bool WriteWorkbook(const std::string& path, std::string& detail) {
  lxw_workbook* workbook = workbook_new(path.c_str());
  if (workbook == nullptr) {
    detail = "ish kitobini ochib bo'lmadi";
    return false;
  }
  lxw_worksheet* teachers = workbook_add_worksheet(workbook, "Ro'yxat");
  lxw_worksheet* notes = workbook_add_worksheet(workbook, "Izoh");
  lxw_error error = teachers != nullptr && notes != nullptr ? WriteTeachers(workbook, teachers) : LXW_ERROR_MEMORY_MALLOC_FAILED;
  if (error == LXW_NO_ERROR) error = WriteNotes(notes);
  const lxw_error closed = workbook_close(workbook);  // frees the workbook in any case
  if (error == LXW_NO_ERROR) error = closed;
  if (error != LXW_NO_ERROR) detail = lxw_strerror(error);
  return error == LXW_NO_ERROR;
}

}  // namespace

std::string ExampleRosterCsv() {
  std::string text(kUtf8ByteOrderMark);
  text += CsvLine(kHeader);
  for (const ExampleRow& row : kTeachers) text += CsvLine(row);
  return text;
}

SaveResult SaveExampleRoster(const std::string& path, ExampleRosterFormat format) {
  SaveResult saved = SaveAtomically(path, format == ExampleRosterFormat::Csv ? WriteCsv : WriteWorkbook);
  // The reason as for any file the program saves, said of the example rather than a report.
  constexpr std::string_view kReportNotSaved = "Hisobot saqlanmadi: ";
  if (!saved.ok && saved.message.starts_with(kReportNotSaved)) {
    saved.message.replace(0, kReportNotSaved.size(), "Ro'yxat namunasi saqlanmadi: ");
  }
  return saved;
}

}  // namespace soatnoma::batch
