#include "drawn_table.h"

#include "report_description.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "report_sheet/cell_display.h"

namespace soatnoma::module {
namespace {

bool InTableRows(const sheet_layout::SheetBox& box) { return box.row >= kFirstWorkRow && box.row <= kLastWorkRow; }

int KeyOf(const sheet_layout::SheetBox& box) { return box.row * 64 + box.column; }

bool SameMark(const report_editing::CellMarkNote& one, const report_editing::CellMarkNote& other) {
  return one.fill == other.fill && one.redCorner == other.redCorner && one.toolTip == other.toolTip;
}

// The mark of the teacher's corrections on the box: none outside the columns of hours.
report_editing::CellMarkNote MarkOf(const report_editing::ReportCorrections& corrections,
                                    const sheet_layout::SheetBox& box) {
  if (box.column < col::C || box.column > col::S) return {};
  return report_editing::MarkNoteOf(corrections, {box.row, box.column});
}

}  // namespace

void DrawnTable::Drawn(const sheet_layout::SheetGeometry& layout, const report_sheet::ReportSheet& sheet) {
  looks_.clear();
  for (const sheet_layout::SheetBox& box : layout.Boxes()) {
    if (InTableRows(box)) looks_[KeyOf(box)] = {box, report_sheet::DisplayedText(sheet, box.row, box.column), {}};
  }
}

void DrawnTable::WriteChanged(JsonWriter& json, const sheet_layout::SheetGeometry& layout,
                              const report_sheet::ReportSheet& sheet,
                              const report_editing::ReportCorrections& corrections) {
  json.Key("boxes").BeginArray();
  for (const sheet_layout::SheetBox& box : layout.Boxes()) {
    if (!InTableRows(box)) continue;
    Look now{box, report_sheet::DisplayedText(sheet, box.row, box.column), MarkOf(corrections, box)};
    Look& drawn = looks_[KeyOf(box)];
    if (drawn.box == now.box && drawn.value == now.value && SameMark(drawn.mark, now.mark)) continue;
    drawn = std::move(now);
    WriteBox(json, &sheet, box, ColumnLetters(box.column) + std::to_string(box.row));
  }
  json.EndArray();
}

}  // namespace soatnoma::module
