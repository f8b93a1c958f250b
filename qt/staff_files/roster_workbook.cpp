#include "staff_files/roster_workbook.h"

#include "report_files/workbook_parts.h"
#include "report_files/xlsx_package.h"
#include "roster_rules/roster_file_form.h"
#include "workbook_reading/roster_sheet.h"

namespace soatnoma::staff_files {

std::optional<std::vector<roster_rules::CsvRecord>> ReadWorkbookRecords(const std::string& path, std::string& whyNot) {
  std::string detail;
  const auto package = report_files::XlsxPackage::Open(path, detail);
  // Weighed before anything is unpacked, as a report's workbook is.
  const workbook_package::PackageSize verdict = package ? package->SizeVerdict() : workbook_package::PackageSize::Fits;
  if (verdict == workbook_package::PackageSize::TooManyParts ||
      verdict == workbook_package::PackageSize::TooLargeUnpacked) {
    whyNot = workbook_package::PackageSizeReason(verdict);
    return std::nullopt;
  }
  const auto worksheets = package && verdict == workbook_package::PackageSize::Fits
                              ? report_files::WorksheetEntries(*package)
                              : std::nullopt;
  if (!worksheets || worksheets->empty()) {
    whyNot = roster_rules::kNotAWorkbookReason;
    return std::nullopt;
  }
  const auto sharedTexts = report_files::SharedTexts(*package);
  const auto sheet = report_files::ReadWorkbookPart(*package, worksheets->front());
  if (!sharedTexts || !sheet) {
    whyNot = workbook_reading::kUnreadableFirstSheet;
    return std::nullopt;
  }
  return workbook_reading::RosterRecords(*sheet, *sharedTexts, whyNot);
}

}  // namespace soatnoma::staff_files
