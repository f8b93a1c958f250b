#include "report_sheet/page_setup.h"

#include <algorithm>

namespace soatnoma::report_sheet {

PaperPoints PaperSizePoints(PaperSize paper) {
  constexpr double kPointsPerMillimetre = 72.0 / 25.4;
  switch (paper) {
    case PaperSize::Letter: return {InchesToPoints(8.5), InchesToPoints(11)};
    case PaperSize::A4: break;
  }
  return {210 * kPointsPerMillimetre, 297 * kPointsPerMillimetre};
}

PaperPoints PagePoints(const PageSetup& page) {
  const PaperPoints paper = PaperSizePoints(page.paperSize);
  if (page.orientation == PageOrientation::Landscape) return {paper.height, paper.width};
  return paper;
}

SheetPlacement PlaceSheet(const PageSetup& page, double sheetWidth, double sheetHeight) {
  const PaperPoints paper = PagePoints(page);
  const double printableWidth = (paper.width - page.rightMargin) - page.leftMargin;
  const double printableHeight = (paper.height - page.bottomMargin) - page.topMargin;
  SheetPlacement placement{page.leftMargin, page.topMargin, 1};
  placement.scale = std::min({1.0, printableWidth / sheetWidth, printableHeight / sheetHeight});
  if (page.centerHorizontally) placement.left += (printableWidth - sheetWidth * placement.scale) / 2;
  if (page.centerVertically) placement.top += (printableHeight - sheetHeight * placement.scale) / 2;
  return placement;
}

}  // namespace soatnoma::report_sheet
