#include "report/xlsx_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "report/report_form_check.h"
#include "report/report_frame.h"
#include "report/workbook_parts.h"
#include "report/worksheet_cells.h"
#include "report/xlsx_package.h"

namespace soatnoma {
namespace {

namespace fs = std::filesystem;

OpenRefusal Refuse(const std::string& path, const std::string& why) {
  return OpenRefusal{"\"" + fs::path(path).filename().string() + "\" ochilmadi: " + why};
}

OpenRefusal Damaged(const std::string& path, const std::string& detail) {
  return Refuse(path, "ish kitobi buzilgan yoki boshqa dasturda o'zgartirilgan (" + detail + ")");
}

// Why a file cannot even be read, or nothing when it can.
std::optional<std::string> UnreadableBecause(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) return "fayl topilmadi.";
  if (fs::is_directory(status)) return "bu fayl emas, papka.";
  // A named pipe or a device would keep the program waiting for data that may never come.
  if (!fs::is_regular_file(status)) return "bu oddiy fayl emas.";
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return errno == EACCES ? "faylni o'qishga ruxsat yo'q." : "faylni o'qib bo'lmadi.";
  std::fclose(file);
  return std::nullopt;
}

bool CarriesTheProgramMark(const std::vector<CustomProperty>& properties) {
  return std::ranges::any_of(properties, [](const CustomProperty& property) {
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

// A sheet with the report form's frame, formats and page, and no cell content yet.
ReportSheet EmptyForm() {
  ReportSheet sheet;
  WriteReportFrame(sheet, ReportTexts{}, 0);
  WriteReportFooter(sheet, ReportTexts{});
  CellGrid& cells = sheet.Cells();
  for (int row = 1; row <= ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= ReportSheet::kLastColumn; ++column) cells.ClearCell(row, column);
  }
  return sheet;
}

}  // namespace

OpenOutcome OpenXlsx(const std::string& path) {
  if (const auto why = UnreadableBecause(path)) return Refuse(path, *why);
  std::string detail;
  const auto package = XlsxPackage::Open(path, detail);
  const auto worksheets = package ? WorksheetEntries(*package) : std::nullopt;
  if (!worksheets) return Refuse(path, "bu Excel ish kitobi emas yoki u buzilgan.");
  // A part damaged on the disk, whichever it is, means the file is not as the program saved it.
  if (!package->AllPartsIntact(kLargestWorkbookPart)) return Damaged(path, "qismlaridan biri shikastlangan");
  const std::vector<CustomProperty> properties = CustomProperties(*package);
  if (!CarriesTheProgramMark(properties)) {
    return Refuse(path, "bu ish kitobini Soatnoma yozmagan. Faqat Soatnomada saqlangan hisobotni ochish mumkin.");
  }
  if (worksheets->size() != 1) return Damaged(path, "unda bitta emas, " + std::to_string(worksheets->size()) + " ta varaq bor");

  const auto sharedTexts = SharedTexts(*package);
  pugi::xml_document worksheet;
  if (!sharedTexts || !LoadWorkbookPart(*package, worksheets->front(), worksheet)) {
    return Damaged(path, "varaqni o'qib bo'lmadi");
  }
  OpenedReport opened{EmptyForm(), {}};
  if (auto problem = ReadWorksheetCells(worksheet, *sharedTexts, opened.sheet.Cells())) return Damaged(path, *problem);
  if (auto problem = FindFormProblem(opened.sheet.Cells())) return Damaged(path, *problem);
  auto notes = NotesOf(properties, opened.sheet.Cells());
  if (!notes) return Damaged(path, "tuzatishlar haqidagi yozuv noto'g'ri");
  opened.notes = std::move(*notes);
  return opened;
}

}  // namespace soatnoma
