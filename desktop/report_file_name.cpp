#include "desktop/report_file_name.h"

#include "report_sheet/report_file_name.h"

namespace soatnoma::desktop {

QString ReportFileName(std::string_view teacherName, int calendarYear, const QString& suffix) {
  return QString::fromStdString(
      soatnoma::report_sheet::ReportFileName(teacherName, calendarYear, suffix.toStdString()));
}

QString ReportName(std::string_view teacherName, int calendarYear) {
  QString name = QString::fromUtf8(teacherName.data(), static_cast<qsizetype>(teacherName.size())).simplified();
  if (name.isEmpty())
    name =
        QString::fromUtf8(report_sheet::kReportTitle.data(), static_cast<qsizetype>(report_sheet::kReportTitle.size()));
  return QStringLiteral("%1 %2-%3").arg(name).arg(calendarYear).arg(calendarYear + 1);
}

}  // namespace soatnoma::desktop
