#pragma once
// A workbook's package from its worksheets: the workbook part naming the sheets in order
// (with the rows a sheet prints on top of each page, and every formula recalculated when it
// is opened), the shared texts, the cell formats, the relationships and content types that
// tie them together, and the custom properties' part that carries the program's mark.

#include <optional>
#include <string>
#include <vector>

#include "report_sheet/report_sheet.h"
#include "workbook_parts/cell_styles.h"
#include "workbook_parts/package_part.h"
#include "workbook_parts/shared_texts.h"

namespace soatnoma::workbook_parts {

class BookParts {
 public:
  explicit BookParts(const report_sheet::StandardFont& font) : styles_(font) {}

  // The texts and formats every sheet's cells name.
  SharedTexts& Texts() { return texts_; }
  CellStyles& Styles() { return styles_; }

  struct SheetOptions {
    int printTitleRow = 0;  // the row printed on top of each page, if any
    bool first = false;     // before the sheets added so far
  };
  // A worksheet's XML under its name, after the sheets added before it.
  void AddSheet(const std::string& name, std::string xml, SheetOptions options);
  void AddSheet(const std::string& name, std::string xml) { AddSheet(name, std::move(xml), SheetOptions{}); }

  // Every part of the package in its order; customProperties: the custom properties' part
  // (the program's mark and its notes), if the workbook carries one. The sheets are handed
  // over, so this is asked once.
  PackageParts TakeParts(const std::optional<std::string>& customProperties);

 private:
  struct Sheet {
    std::string name;
    std::string xml;
    int printTitleRow = 0;
  };

  std::string WorkbookXml() const;
  std::string WorkbookRelationsXml() const;
  std::string ContentTypesXml(bool marked) const;

  SharedTexts texts_;
  CellStyles styles_;
  std::vector<Sheet> sheets_;
};

}  // namespace soatnoma::workbook_parts
