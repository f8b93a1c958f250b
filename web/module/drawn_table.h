#pragma once
// The rows of hours as the page last drew them: each box of the table's rows as it looks,
// its layout and the mark of the teacher's corrections on it, so that after a change the
// page is handed only the boxes that look different rather than the whole table.

#include <string>
#include <unordered_map>

#include "json_writer.h"
#include "form/report_corrections.h"
#include "form/sheet_layout.h"

namespace soatnoma::web {

class DrawnTable {
 public:
  // The page drew the boxes of this layout, without marks.
  void Drawn(const SheetGeometry& layout, const ReportSheet& sheet);
  // "boxes": the boxes of the table's rows whose layout or mark changed since the page last
  // drew them, which it now draws.
  void WriteChanged(JsonWriter& json, const SheetGeometry& layout, const ReportSheet& sheet,
                    const ReportCorrections& corrections);

 private:
  std::unordered_map<std::string, std::string> looks_;  // by cell name: the box, then its mark
};

}  // namespace soatnoma::web
