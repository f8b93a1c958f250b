#include "drawn_table.h"

#include "form_description.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "form/cell_display.h"

namespace soatnoma::web {
namespace {

bool InTableRows(const SheetBox& box) { return box.row >= kFirstWorkRow && box.row <= kLastWorkRow; }

int KeyOf(const SheetBox& box) { return box.row * 64 + box.column; }

bool SameMark(const CellMarkNote& one, const CellMarkNote& other) {
  return one.fill == other.fill && one.redCorner == other.redCorner && one.toolTip == other.toolTip;
}

// The mark of the teacher's corrections on the box: none outside the columns of hours.
CellMarkNote MarkOf(const ReportCorrections& corrections, const SheetBox& box) {
  if (box.column < col::C || box.column > col::S) return {};
  return MarkNoteOf(corrections, {box.row, box.column});
}

}  // namespace

void DrawnTable::Drawn(const SheetGeometry& layout, const ReportSheet& sheet) {
  looks_.clear();
  for (const SheetBox& box : layout.Boxes()) {
    if (InTableRows(box)) looks_[KeyOf(box)] = {box, DisplayedText(sheet, box.row, box.column), {}};
  }
}

void DrawnTable::WriteChanged(JsonWriter& json, const SheetGeometry& layout, const ReportSheet& sheet,
                              const ReportCorrections& corrections) {
  json.Key("boxes").BeginArray();
  for (const SheetBox& box : layout.Boxes()) {
    if (!InTableRows(box)) continue;
    Look now{box, DisplayedText(sheet, box.row, box.column), MarkOf(corrections, box)};
    Look& drawn = looks_[KeyOf(box)];
    if (drawn.box == now.box && drawn.value == now.value && SameMark(drawn.mark, now.mark)) continue;
    drawn = std::move(now);
    WriteBox(json, &sheet, box, ColumnLetters(box.column) + std::to_string(box.row));
  }
  json.EndArray();
}

}  // namespace soatnoma::web
