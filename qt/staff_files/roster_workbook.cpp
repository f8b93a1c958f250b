#include "staff_files/roster_workbook.h"

#include "report_files/workbook_parts.h"
#include "report_files/xlsx_package.h"
#include "roster_rules/roster_file_form.h"
#include "workbook_reading/roster_sheet.h"

namespace soatnoma::batch {

std::optional<std::vector<CsvRecord>> ReadWorkbookRecords(const std::string& path, std::string& whyNot) {
  std::string detail;
  const auto package = XlsxPackage::Open(path, detail);
  // Weighed before anything is unpacked, as a report's workbook is.
  const PackageSize verdict = package ? package->SizeVerdict() : PackageSize::Fits;
  if (verdict == PackageSize::TooManyParts || verdict == PackageSize::TooLargeUnpacked) {
    whyNot = PackageSizeReason(verdict);
    return std::nullopt;
  }
  const auto worksheets = package && verdict == PackageSize::Fits ? WorksheetEntries(*package) : std::nullopt;
  if (!worksheets || worksheets->empty()) {
    whyNot = kNotAWorkbookReason;
    return std::nullopt;
  }
  const auto sharedTexts = SharedTexts(*package);
  const auto sheet = ReadWorkbookPart(*package, worksheets->front());
  if (!sharedTexts || !sheet) {
    whyNot = workbook_reading::kUnreadableFirstSheet;
    return std::nullopt;
  }
  return workbook_reading::RosterRecords(*sheet, *sharedTexts, whyNot);
}

}  // namespace soatnoma::batch
