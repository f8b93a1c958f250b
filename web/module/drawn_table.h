#pragma once
// The rows of hours as the page last drew them: each box of the table's rows as it looks,
// its layout, the text its cell shows and the mark of the teacher's corrections on it, so
// that after a change the page is handed only the boxes that look different rather than
// the whole table.

#include <string>
#include <unordered_map>

#include "json_writer.h"
#include "report_editing/correction_texts.h"
#include "report_editing/report_corrections.h"
#include "report_sheet/report_sheet.h"
#include "sheet_layout/sheet_layout.h"

namespace soatnoma::module {

class DrawnTable {
 public:
  // The page drew the boxes of this layout, without marks.
  void Drawn(const sheet_layout::SheetGeometry& layout, const report_sheet::ReportSheet& sheet);
  // "boxes": the boxes of the table's rows whose layout, shown text or mark changed since
  // the page last drew them, which it now draws.
  void WriteChanged(JsonWriter& json, const sheet_layout::SheetGeometry& layout, const report_sheet::ReportSheet& sheet,
                    const report_editing::ReportCorrections& corrections);

 private:
  struct Look {
    sheet_layout::SheetBox box;
    std::string value;
    report_editing::CellMarkNote mark;
  };

  std::unordered_map<int, Look> looks_;  // by row and column
};

}  // namespace soatnoma::module
