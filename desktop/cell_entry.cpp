#include "desktop/cell_entry.h"

#include "report_editing/correction_texts.h"

namespace soatnoma::desktop {

CellEntry ReadCellEntry(const QString& typed) {
  const report_editing::HoursEntry entry = report_editing::ReadHoursEntry(typed.toStdString());
  return {entry.hours, QString::fromStdString(entry.refusal)};
}

QString HoursText(double hours) { return QString::fromStdString(soatnoma::report_editing::HoursText(hours)); }

QString SignedHoursText(double difference) {
  return QString::fromStdString(soatnoma::report_editing::SignedHoursText(difference));
}

}  // namespace soatnoma::desktop
