#include "desktop/report_recovery.h"

#include <QFileInfo>
#include <QStringList>

namespace soatnoma::ui {
namespace {

// "Familiya Ism, 2025/2026 o'quv yili (Familiya Ism 2025-2026.xlsx), 14.03.2025 10:12"
QString Described(const AutosaveInfo& info) {
  QStringList parts;
  parts << (info.teacherName.trimmed().isEmpty() ? QStringLiteral("Nomsiz hisobot") : info.teacherName.trimmed());
  if (info.calendarYear > 0) {
    parts << QStringLiteral("%1/%2 o'quv yili").arg(info.calendarYear).arg(info.calendarYear + 1);
  }
  QString text = parts.join(QStringLiteral(", "));
  if (!info.filePath.isEmpty()) text += QStringLiteral(" (%1)").arg(QFileInfo(info.filePath).fileName());
  if (info.savedAt.isValid()) text += QStringLiteral(", %1").arg(info.savedAt.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
  return text;
}

}  // namespace

QString RecoveryQuestion(const std::vector<Leftover>& leftovers) {
  QStringList lines;
  lines << QStringLiteral("Dastur oldingi safar %1 ta hisobotni saqlamasdan yopilgan:").arg(leftovers.size());
  for (const Leftover& leftover : leftovers) lines << QStringLiteral("\u2022 ") + Described(leftover.info);
  lines << QString() << QStringLiteral("Ularni tiklaysizmi?");
  return lines.join(QLatin1Char('\n'));
}

ReportSource RecoveredSource(const Leftover& leftover, OpenedReport opened) {
  ReportSource source;
  source.sheet = std::move(opened.sheet);
  source.notes = std::move(opened.notes);
  source.texts.name = leftover.info.teacherName.toStdString();
  source.calendarYear = leftover.info.calendarYear;
  source.filePath = leftover.info.filePath;
  source.savedInFile = false;
  source.autosaveId = leftover.id;
  return source;
}

}  // namespace soatnoma::ui
