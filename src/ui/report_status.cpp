#include "ui/report_status.h"

#include <QStringList>

#include "ui/cell_entry.h"

namespace soatnoma::ui {

QString YearTotalText(const ReportCorrections& corrections) {
  const double total = corrections.YearTotal();
  const double computed = corrections.ComputedYearTotal();
  const QString year = QStringLiteral("Yillik jami: %1 soat").arg(HoursText(total));
  if (total == computed) return year + QStringLiteral(" (hisoblangani bilan bir xil)");
  return year + QStringLiteral(" (hisoblangan: %1, farqi: %2)").arg(HoursText(computed), SignedHoursText(total - computed));
}

QString CorrectionsText(const ReportCorrections& corrections) {
  QStringList parts;
  if (const auto corrected = corrections.CorrectedCells().size()) {
    parts << QStringLiteral("Tuzatilgan: %1 ta katak.").arg(corrected);
  }
  if (const auto flagged = corrections.FlaggedCells().size()) {
    parts << QStringLiteral("Tekshiring: %1 ta katak.").arg(flagged);
  }
  return parts.join(QLatin1Char(' '));
}

}  // namespace soatnoma::ui
