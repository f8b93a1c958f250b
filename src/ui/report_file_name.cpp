#include "ui/report_file_name.h"

namespace soatnoma::ui {

QString ReportFileName(std::string_view teacherName, int calendarYear, const QString& suffix) {
  QString name = QString::fromUtf8(teacherName.data(), static_cast<qsizetype>(teacherName.size())).simplified();
  for (QChar& c : name) {
    if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
  }
  if (name.isEmpty()) name = QStringLiteral("Soatnoma");
  return QStringLiteral("%1 %2-%3.%4").arg(name).arg(calendarYear).arg(calendarYear + 1).arg(suffix);
}

QString ReportName(std::string_view teacherName, int calendarYear) {
  QString name = QString::fromUtf8(teacherName.data(), static_cast<qsizetype>(teacherName.size())).simplified();
  if (name.isEmpty()) name = QStringLiteral("Yillik taqsimot");
  return QStringLiteral("%1 %2-%3").arg(name).arg(calendarYear).arg(calendarYear + 1);
}

}  // namespace soatnoma::ui
