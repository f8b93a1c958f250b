#include "desktop/cells_to_check.h"

#include <QStringList>

namespace soatnoma::ui {

QString CellsToCheckQuestion(const ReportCorrections& corrections, const QString& doing) {
  const std::vector<CellPlace> flagged = corrections.FlaggedCells();
  if (flagged.empty()) return {};
  int notWhole = 0;
  int negative = 0;
  int yearDiffers = 0;
  for (const CellPlace place : flagged) {
    const CellFlags flags = corrections.FlagsAt(place);
    notWhole += flags.notWhole ? 1 : 0;
    negative += flags.negative ? 1 : 0;
    yearDiffers += flags.yearDiffers ? 1 : 0;
  }
  QStringList kinds;
  if (notWhole > 0) kinds << QStringLiteral("butun son emas: %1 ta").arg(notWhole);
  if (negative > 0) kinds << QStringLiteral("manfiy soat: %1 ta").arg(negative);
  if (yearDiffers > 0) kinds << QStringLiteral("yillik jami hisoblangandan farq qiladi: %1 ta").arg(yearDiffers);
  return QStringLiteral(
             "Hisobotda tekshirilishi kerak bo'lgan %1 ta katak bor:\n\u2022 %2\n"
             "Kasr soat qog'ozda butun son bo'lib chiqadi, jamlar esa mos kelmasligi mumkin. Baribir %3?")
      .arg(flagged.size())
      .arg(kinds.join(QStringLiteral("\n\u2022 ")), doing);
}

}  // namespace soatnoma::ui
