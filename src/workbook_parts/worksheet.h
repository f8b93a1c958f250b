#pragma once
// One worksheet as its part holds it: its cells by row and column (a number, a shared text,
// a formula with its result, or only a format), the columns' widths and rows' heights as the
// workbook keeps them, merged blocks, the view (selected, rows kept in view), the footer and
// the page setup; and the worksheet's XML.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "report_sheet/page_setup.h"

namespace soatnoma::workbook_parts {

struct SheetCell {
  enum class Kind { FormatOnly, Number, Text, Formula };
  static SheetCell Blank(int style) { return {Kind::FormatOnly, style, 0, 0, {}}; }
  static SheetCell OfNumber(double number, int style) { return {Kind::Number, style, number, 0, {}}; }
  static SheetCell OfText(int text, int style) { return {Kind::Text, style, 0, text, {}}; }
  static SheetCell OfFormula(std::string formula, double result, int style) {
    return {Kind::Formula, style, result, 0, std::move(formula)};
  }

  Kind kind = Kind::FormatOnly;
  int style = 0;        // the place of its format (CellStyles)
  double number = 0;    // a number, or a formula's result
  int text = 0;         // the place of its shared text (SharedTexts)
  std::string formula;  // in A1 notation, without "="
};

struct RowHeight {
  double points = 0;
  bool setByHand = true;  // false: a row of automatic height, which a spreadsheet may grow
};

using report_sheet::SheetMargins;

struct FitToPages {
  int wide = 1;
  int tall = 1;  // 0: as many as it takes
};

struct SheetPage {
  SheetMargins margins;
  int paperSize = 9;  // A4
  bool landscape = false;
  int scale = 100;  // percent
  std::optional<FitToPages> fitToPages;
  bool centeredHorizontally = false;
  bool centeredVertically = false;
  bool headings = false;
  bool gridLines = false;
  int firstPageNumber = 0;  // 0: automatic
  bool overThenDown = false;
};

struct Worksheet {
  // A later cell at the same place replaces an earlier one.
  void Set(int row, int column, SheetCell cell) { cells[row][column] = std::move(cell); }

  std::map<int, std::map<int, SheetCell>> cells;  // by row, then column (1-based)
  std::map<int, double> columnWidths;             // by column (1-based), in characters; others standard
  std::map<int, RowHeight> rowHeights;
  std::vector<std::string> merges;  // "A1:S1"
  bool selected = false;
  int frozenRows = 0;
  std::string footer;
  SheetPage page;
};

std::string WorksheetXml(const Worksheet& sheet);

}  // namespace soatnoma::workbook_parts
