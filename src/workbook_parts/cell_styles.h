#pragma once
// A workbook's cell formats (its styles part): the standard font first, every other font,
// number format, border and alignment kept once, and each distinct format of a cell one
// entry that cells name by its place. The standard font is also the unit of the columns'
// widths, so it is the report's font, never a spreadsheet program's default.

#include <string>
#include <vector>

#include "report_sheet/cell_format.h"
#include "report_sheet/report_sheet.h"

namespace soatnoma::workbook_parts {

class CellStyles {
 public:
  explicit CellStyles(report_sheet::StandardFont font);

  // The place of the format among the cells' formats. A format given is a format of its
  // own, with a font of its own, even where it is as a cell starts; place 0 is the standard
  // font's and nothing more.
  int Index(const report_sheet::CellFormat& format);

  std::string Xml() const;

 private:
  struct Font {
    bool bold = false;
    double size = 0;
    bool standard = false;
    friend bool operator==(const Font&, const Font&) = default;
  };
  struct Entry {
    int font = 0;
    int numberFormat = 0;
    int border = 0;
    std::string alignment;
    friend bool operator==(const Entry&, const Entry&) = default;
  };

  void AppendFont(std::string& xml, const Font& font) const;

  report_sheet::StandardFont font_;
  std::vector<Font> fonts_;
  std::vector<std::string> numberFormats_;
  std::vector<Entry> entries_;
};

}  // namespace soatnoma::workbook_parts
