#pragma once
// The rows of hours as the page last drew them: each box of the table's rows as it looks,
// its layout, the text its cell shows and the mark of the teacher's corrections on it, so
// that after a change the page is handed only the boxes that look different rather than
// the whole table.

#include <string>
#include <unordered_map>

#include "json_writer.h"
#include "form/correction_texts.h"
#include "form/report_corrections.h"
#include "form/report_sheet.h"
#include "form/sheet_layout.h"

namespace soatnoma::web {

class DrawnTable {
 public:
  // The page drew the boxes of this layout, without marks.
  void Drawn(const SheetGeometry& layout, const ReportSheet& sheet);
  // "boxes": the boxes of the table's rows whose layout, shown text or mark changed since
  // the page last drew them, which it now draws.
  void WriteChanged(JsonWriter& json, const SheetGeometry& layout, const ReportSheet& sheet,
                    const ReportCorrections& corrections);

 private:
  struct Look {
    SheetBox box;
    std::string value;
    CellMarkNote mark;
  };

  std::unordered_map<int, Look> looks_;  // by row and column
};

}  // namespace soatnoma::web
