#include "report_sheet/report_page_setup.h"

namespace soatnoma::report_sheet {

void ApplyReportPageSetup(PageSetup& page) {
  constexpr double kOneCentimetreInInches = 0.393700787401575;
  // Office printers leave a few millimetres at the top and bottom edge unprinted.
  constexpr double kHalfCentimetreInInches = kOneCentimetreInInches / 2;
  page.printTitleRows = "";
  page.printTitleColumns = "";
  page.leftHeader = "";
  page.centerHeader = "";
  page.rightHeader = "";
  page.leftFooter = "";
  page.centerFooter = "";
  page.rightFooter = "";
  page.leftMargin = InchesToPoints(kOneCentimetreInInches);
  page.rightMargin = InchesToPoints(kOneCentimetreInInches);
  page.topMargin = InchesToPoints(kHalfCentimetreInInches);
  page.bottomMargin = InchesToPoints(kHalfCentimetreInInches);
  page.headerMargin = InchesToPoints(0);
  page.footerMargin = InchesToPoints(0);
  page.printHeadings = false;
  page.printGridlines = false;
  page.printComments = PrintComments::None;
  page.centerHorizontally = false;
  page.centerVertically = false;
  page.orientation = PageOrientation::Landscape;
  page.draft = false;
  page.paperSize = PaperSize::A4;
  page.firstPageNumber = kAutomaticFirstPageNumber;
  page.order = PageOrder::DownThenOver;
  page.blackAndWhite = false;
  page.zoom = 100;
}

}  // namespace soatnoma::report_sheet
