#include "report_files/xlsx_reader.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "report_files/workbook_parts.h"
#include "report_files/xlsx_package.h"
#include "workbook_reading/report_cells.h"

namespace soatnoma::report_files {
namespace {

namespace fs = std::filesystem;

std::string FileName(const std::string& path) { return fs::path(path).filename().string(); }

workbook_package::OpenRefusal Refuse(const std::string& path, const std::string& why) {
  return workbook_package::RefuseOpening(FileName(path), why);
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

}  // namespace

std::variant<workbook_package::OpenRefusal, XlsxPackage> OpenWeighedPackage(const std::string& path) {
  if (const auto why = UnreadableBecause(path)) return Refuse(path, *why);
  std::string detail;
  auto package = XlsxPackage::Open(path, detail);
  if (!package) return workbook_package::NotAWorkbook(FileName(path));
  // Weighed before anything is unpacked: a package made to unpack to gigabytes is refused at once.
  switch (const workbook_package::PackageSize verdict = package->SizeVerdict()) {
    case workbook_package::PackageSize::Fits: break;
    case workbook_package::PackageSize::PartTooLarge: return workbook_package::DamagedPart(FileName(path));
    case workbook_package::PackageSize::TooManyParts:
    case workbook_package::PackageSize::TooLargeUnpacked:
      return Refuse(path, workbook_package::PackageSizeReason(verdict));
  }
  return std::move(*package);
}

workbook_package::OpenOutcome OpenXlsx(const std::string& path) {
  auto opened = OpenWeighedPackage(path);
  if (auto* refusal = std::get_if<workbook_package::OpenRefusal>(&opened)) return std::move(*refusal);
  return ReadReportPackage(FileName(path), std::get<XlsxPackage>(opened));
}

workbook_package::OpenOutcome ReadReportPackage(const std::string& fileName, const XlsxPackage& package) {
  const auto worksheets = WorksheetEntries(package);
  if (!worksheets) return workbook_package::NotAWorkbook(fileName);
  // A part damaged on the disk, whichever it is, means the file is not as the program saved it.
  if (!package.AllPartsIntact(workbook_package::kLargestWorkbookPart)) return workbook_package::DamagedPart(fileName);
  const std::vector<workbook_package::CustomProperty> properties = CustomProperties(package);
  if (auto stranger = workbook_package::RefusalOfStranger(fileName, properties, worksheets->size()))
    return std::move(*stranger);

  const auto sharedTexts = SharedTexts(package);
  const auto worksheet = ReadWorkbookPart(package, worksheets->front());
  if (!sharedTexts || !worksheet) return workbook_package::UnreadableSheet(fileName);
  report_sheet::ReportSheet sheet = workbook_package::EmptyReportForm();
  const auto read = workbook_reading::ReadReportCells(*worksheet, *sharedTexts, sheet.Cells());
  if (!read.xml) return workbook_package::UnreadableSheet(fileName);
  if (read.problem) return workbook_package::DamagedWorkbook(fileName, *read.problem);
  return workbook_package::FinishOpening(fileName, std::move(sheet), properties);
}

}  // namespace soatnoma::report_files
