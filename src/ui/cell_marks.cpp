#include "ui/cell_marks.h"

#include <QStringList>

#include "ui/cell_entry.h"

namespace soatnoma::ui {
CellMark MarkOf(const ReportCorrections& corrections, CellPlace place) {
  CellMark mark;
  QStringList lines;
  if (corrections.IsCorrected(place)) {
    mark.fill = mark_colour::kCorrected;
    lines << QStringLiteral("Tuzatilgan. Hisoblangan: %1 soat.").arg(HoursText(corrections.ComputedHours(place)));
  }
  const CellFlags flags = corrections.FlagsAt(place);
  if (flags.notWhole) lines << QStringLiteral("Butun son emas: %1 soat.").arg(HoursText(corrections.Hours(place)));
  if (flags.negative) lines << QStringLiteral("Soat manfiy bo'lmasligi kerak.");
  if (flags.yearDiffers) {
    const double computed = corrections.ComputedYearOfRow(place.row);
    const double now = corrections.Hours(place);
    if (!mark.fill.isValid()) mark.fill = mark_colour::kYearDiffers;
    lines << QStringLiteral("Yillik jami hisoblangandan farq qiladi: %1 o'rniga %2 (%3).")
                 .arg(HoursText(computed), HoursText(now), SignedHoursText(now - computed));
  }
  mark.redCorner = flags.Any();
  mark.toolTip = lines.join(QLatin1Char('\n'));
  return mark;
}

}  // namespace soatnoma::ui
