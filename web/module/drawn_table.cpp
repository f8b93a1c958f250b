#include "drawn_table.h"

#include "form_description.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "form/correction_texts.h"

namespace soatnoma::web {
namespace {

bool InTableRows(const SheetBox& box) { return box.row >= kFirstWorkRow && box.row <= kLastWorkRow; }

std::string BoxText(const SheetBox& box, const ReportSheet& sheet, const std::string& ref) {
  JsonWriter json;
  WriteBox(json, &sheet, box, ref);
  return json.Text();
}

// What of the mark shows: the fill, the red corner and the tool tip; nothing for a box
// without a mark, as the page first draws every box.
std::string MarkText(const ReportCorrections& corrections, const SheetBox& box) {
  if (box.column < col::C || box.column > col::S) return {};
  const CellMarkNote mark = MarkNoteOf(corrections, {box.row, box.column});
  if (mark.fill == MarkFill::None && !mark.redCorner && mark.toolTip.empty()) return {};
  return std::to_string(static_cast<int>(mark.fill)) + (mark.redCorner ? "+" : "-") + mark.toolTip;
}

}  // namespace

void DrawnTable::Drawn(const SheetGeometry& layout, const ReportSheet& sheet) {
  looks_.clear();
  for (const SheetBox& box : layout.Boxes()) {
    if (!InTableRows(box)) continue;
    const std::string ref = ColumnLetters(box.column) + std::to_string(box.row);
    looks_[ref] = BoxText(box, sheet, ref);
  }
}

void DrawnTable::WriteChanged(JsonWriter& json, const SheetGeometry& layout, const ReportSheet& sheet,
                              const ReportCorrections& corrections) {
  json.Key("boxes").BeginArray();
  for (const SheetBox& box : layout.Boxes()) {
    if (!InTableRows(box)) continue;
    const std::string ref = ColumnLetters(box.column) + std::to_string(box.row);
    const std::string text = BoxText(box, sheet, ref);
    std::string looks = text + MarkText(corrections, box);
    std::string& drawn = looks_[ref];
    if (drawn == looks) continue;
    drawn = std::move(looks);
    json.Written(text);
  }
  json.EndArray();
}

}  // namespace soatnoma::web
