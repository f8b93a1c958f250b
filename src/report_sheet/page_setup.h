#pragma once
// The print settings of a sheet. Lengths are in points (1/72 inch), as the host takes them.

#include <string>

#include "report_sheet/host_codes.h"

namespace soatnoma::report_sheet {

constexpr double InchesToPoints(double inches) { return inches * 72.0; }

// A sheet's margins in inches; a new sheet's are a spreadsheet's usual ones.
struct SheetMargins {
  double left = 0.7, right = 0.7;
  double top = 0.75, bottom = 0.75;
  double header = 0.3, footer = 0.3;
};

struct PageSetup {
  std::string printTitleRows;
  std::string printTitleColumns;
  std::string leftHeader;
  std::string centerHeader;
  std::string rightHeader;
  std::string leftFooter;
  std::string centerFooter;
  std::string rightFooter;
  // A new sheet's margins, until the report sets its own.
  double leftMargin = InchesToPoints(SheetMargins{}.left);
  double rightMargin = InchesToPoints(SheetMargins{}.right);
  double topMargin = InchesToPoints(SheetMargins{}.top);
  double bottomMargin = InchesToPoints(SheetMargins{}.bottom);
  double headerMargin = InchesToPoints(SheetMargins{}.header);
  double footerMargin = InchesToPoints(SheetMargins{}.footer);
  bool printHeadings = false;
  bool printGridlines = false;
  PrintComments printComments = PrintComments::None;
  bool centerHorizontally = false;
  bool centerVertically = false;
  PageOrientation orientation = PageOrientation::Portrait;
  bool draft = false;
  PaperSize paperSize = PaperSize::A4;
  int firstPageNumber = kAutomaticFirstPageNumber;
  PageOrder order = PageOrder::DownThenOver;
  bool blackAndWhite = false;
  int zoom = 100;  // percent

  friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

// Paper size in points, portrait; A4 is 595.28 × 841.89.
struct PaperPoints {
  double width;
  double height;
};
PaperPoints PaperSizePoints(PaperSize paper);

// The paper of a page setup, turned for landscape, in points.
PaperPoints PagePoints(const PageSetup& page);

// Where a sheet of the given size, points, stands when printed: its top-left corner in
// points from the paper's, at the page's margins (centred where the setup says), and its
// scale: 1, or less when the sheet must shrink to fit the printable area rather than be cut.
struct SheetPlacement {
  double left = 0;
  double top = 0;
  double scale = 1;
};
SheetPlacement PlaceSheet(const PageSetup& page, double sheetWidth, double sheetHeight);

}  // namespace soatnoma::report_sheet
