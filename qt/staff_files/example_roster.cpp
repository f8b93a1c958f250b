#include "staff_files/example_roster.h"

#include <xlsxwriter.h>

#include <fstream>
#include <string_view>
#include <variant>

#include "report_files/atomic_save.h"

namespace soatnoma::batch {
namespace {

bool WriteCsv(const std::string& path, std::string& detail) {
  std::ofstream file(path, std::ios::binary);
  file << ExampleRosterCsv();
  file.close();
  if (!file) detail = "yozib bo'lmadi";
  return static_cast<bool>(file);
}

lxw_error WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const ExampleCell& cell, lxw_format* format) {
  if (const double* number = std::get_if<double>(&cell)) return worksheet_write_number(sheet, row, column, *number, format);
  const std::string& text = std::get<std::string>(cell);
  return text.empty() ? LXW_NO_ERROR : worksheet_write_string(sheet, row, column, text.c_str(), format);
}

lxw_error WriteSheet(lxw_worksheet* sheet, const ExampleSheet& example, lxw_format* bold) {
  lxw_error error = LXW_NO_ERROR;
  for (std::size_t row = 0; row < example.rows.size() && error == LXW_NO_ERROR; ++row) {
    lxw_format* format = example.headingRow && row == 0 ? bold : nullptr;
    for (std::size_t column = 0; column < example.rows[row].size() && error == LXW_NO_ERROR; ++column) {
      error = WriteCell(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), example.rows[row][column], format);
    }
  }
  for (const ExampleColumnWidth& width : example.widths) {
    worksheet_set_column(sheet, static_cast<lxw_col_t>(width.firstColumn - 1), static_cast<lxw_col_t>(width.lastColumn - 1),
                         width.characters, nullptr);
  }
  if (example.headingRow) worksheet_freeze_panes(sheet, 1, 0);
  // Printed on A4 landscape, every column on the page.
  worksheet_set_landscape(sheet);
  worksheet_set_paper(sheet, 9);
  worksheet_fit_to_pages(sheet, 1, 0);
  return error;
}

bool WriteWorkbook(const std::string& path, std::string& detail) {
  lxw_workbook* workbook = workbook_new(path.c_str());
  if (workbook == nullptr) {
    detail = "ish kitobini ochib bo'lmadi";
    return false;
  }
  lxw_format* bold = workbook_add_format(workbook);
  format_set_bold(bold);
  lxw_error error = LXW_NO_ERROR;
  for (const ExampleSheet& example : ExampleRosterSheets()) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, example.name.c_str());
    error = sheet == nullptr ? LXW_ERROR_MEMORY_MALLOC_FAILED : WriteSheet(sheet, example, bold);
    if (error != LXW_NO_ERROR) break;
  }
  const lxw_error closed = workbook_close(workbook);  // frees the workbook in any case
  if (error == LXW_NO_ERROR) error = closed;
  if (error != LXW_NO_ERROR) detail = lxw_strerror(error);
  return error == LXW_NO_ERROR;
}

}  // namespace

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
