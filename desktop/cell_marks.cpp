#include "desktop/cell_marks.h"

#include "report_editing/correction_texts.h"

namespace soatnoma::desktop {

CellMark MarkOf(const report_editing::ReportCorrections& corrections, report_editing::CellPlace place) {
  const report_editing::CellMarkNote note = report_editing::MarkNoteOf(corrections, place);
  CellMark mark;
  if (note.fill == report_editing::MarkFill::Corrected) mark.fill = mark_colour::kCorrected;
  if (note.fill == report_editing::MarkFill::YearDiffers) mark.fill = mark_colour::kYearDiffers;
  mark.redCorner = note.redCorner;
  mark.toolTip = QString::fromStdString(note.toolTip);
  return mark;
}

}  // namespace soatnoma::desktop
