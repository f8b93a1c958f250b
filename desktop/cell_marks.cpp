#include "desktop/cell_marks.h"

#include "form/correction_texts.h"

namespace soatnoma::ui {

CellMark MarkOf(const ReportCorrections& corrections, CellPlace place) {
  const CellMarkNote note = MarkNoteOf(corrections, place);
  CellMark mark;
  if (note.fill == MarkFill::Corrected) mark.fill = mark_colour::kCorrected;
  if (note.fill == MarkFill::YearDiffers) mark.fill = mark_colour::kYearDiffers;
  mark.redCorner = note.redCorner;
  mark.toolTip = QString::fromStdString(note.toolTip);
  return mark;
}

}  // namespace soatnoma::ui
