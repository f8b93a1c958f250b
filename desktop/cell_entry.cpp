#include "desktop/cell_entry.h"

#include "form/correction_texts.h"

namespace soatnoma::ui {

CellEntry ReadCellEntry(const QString& typed) {
  const HoursEntry entry = ReadHoursEntry(typed.toStdString());
  return {entry.hours, QString::fromStdString(entry.refusal)};
}

QString HoursText(double hours) { return QString::fromStdString(soatnoma::HoursText(hours)); }

QString SignedHoursText(double difference) { return QString::fromStdString(soatnoma::SignedHoursText(difference)); }

}  // namespace soatnoma::ui
