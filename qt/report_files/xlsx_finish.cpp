#include "report_files/xlsx_finish.h"

#include <optional>

#include "report_files/xlsx_package.h"

namespace soatnoma {
namespace {

// Reads, changes and puts back one part of the package.
template <typename Change>
bool ChangePart(XlsxPackage& package, const std::string& entry, Change&& change) {
  const auto text = package.Read(entry);
  if (!text) return false;
  std::optional<std::string> changed = change(*text);
  return changed && package.Replace(entry, std::move(*changed));
}

}  // namespace

bool FinishWorkbook(const std::string& path, const XlsxFinish& finish, std::string& detail) {
  auto package = XlsxPackage::Open(path, detail);
  if (!package) return false;
  bool finished = ChangePart(*package, kStylesEntry,
                             [&](const std::string& styles) { return FinishedStyles(styles, finish.font); });
  for (const XlsxSheetFinish& sheet : finish.sheets) {
    finished = finished && ChangePart(*package, WorksheetPart(sheet.sheetNumber), [&](const std::string& part) {
                 return FinishedWorksheet(part, &sheet.finish, NumberTexts::AsWritten);
               });
  }
  if (!finished) {
    detail = "xlsx";
    return false;
  }
  return package->Save(detail);
}

}  // namespace soatnoma
