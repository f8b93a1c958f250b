#include "ui/cell_entry.h"

#include <cmath>

#include "model/number_text.h"
#include "model/typed_number.h"

namespace soatnoma::ui {

CellEntry ReadCellEntry(const QString& typed) {
  // Blanks count nowhere, as in the form's boxes: "1 200" is 1200; a no-break blank too.
  QString text = typed;
  text.replace(QChar(0x00A0), QLatin1Char(' '));
  const TypedNumber entry = ReadTypedNumber(text.toStdString());
  if (entry.kind == TypedNumberKind::Empty) {
    return {std::nullopt, QStringLiteral("Katak bo'sh qoldi: soatni raqam bilan yozing.")};
  }
  if (!entry.IsNumber()) {
    return {std::nullopt,
            QStringLiteral("\"%1\" son emas: soatni raqam bilan yozing, masalan 12 yoki 2,5.").arg(typed.trimmed())};
  }
  const double hours = entry.value;
  if (std::abs(hours) > kLargestHoursEntry) {
    return {std::nullopt, QStringLiteral("%1 soat juda ko'p: bir katakka %2 dan ortiq soat yozilmaydi.")
                              .arg(HoursText(hours), HoursText(kLargestHoursEntry))};
  }
  return {hours == 0 ? 0.0 : hours, QString()};  // never minus zero
}

QString HoursText(double hours) {
  return QString::fromStdString(NumberToText(hours)).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString SignedHoursText(double difference) {
  return (difference > 0 ? QStringLiteral("+") : QString()) + HoursText(difference);
}

}  // namespace soatnoma::ui
