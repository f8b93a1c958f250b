#include "sheet_layout/workbook_sizes.h"

#include <cmath>

namespace soatnoma::sheet_layout {
namespace {

constexpr double kLibraryDigitPixels = 7;
constexpr double kPaddingPixels = 5;

}  // namespace

double DigitPixels(const SheetGeometry& layout) { return std::round(layout.StandardDigitWidth() * 96.0 / 72.0); }

double LibraryColumnWidth(double characters, double digitPixels) {
  if (characters < 1) return characters;
  return characters + kPaddingPixels / digitPixels - kPaddingPixels / kLibraryDigitPixels;
}

double StoredColumnWidth(double libraryWidth) {
  if (libraryWidth <= 0) return 0;
  const double pixels = libraryWidth < 1 ? std::trunc(libraryWidth * (kLibraryDigitPixels + kPaddingPixels) + 0.5)
                                         : std::trunc(libraryWidth * kLibraryDigitPixels + 0.5) + kPaddingPixels;
  const double characters =
      libraryWidth < 1 ? pixels / (kLibraryDigitPixels + kPaddingPixels) : pixels / kLibraryDigitPixels;
  return std::trunc(characters * 256) / 256;
}

double WorkbookRowHeight(const report_sheet::ReportSheet& sheet, const SheetGeometry& layout, int row) {
  // A set height stays as set unless the layout had to grow the row to show a title whole.
  const double laidOut = std::ceil(layout.RowHeight(row) * 4) / 4;
  const auto set = sheet.RowHeight(row);
  return set && layout.RowHeight(row) <= *set ? *set : laidOut;
}

}  // namespace soatnoma::sheet_layout
