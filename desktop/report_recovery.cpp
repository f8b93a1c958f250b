#include "desktop/report_recovery.h"

#include <QFileInfo>
#include <QStringList>

#include "screen_view/recovery_texts.h"

namespace soatnoma::desktop {
namespace {

// "Familiya Ism, 2025/2026 o'quv yili (Familiya Ism 2025-2026.xlsx), 14.03.2025 10:12", as
// the browser edition names its kept reports too.
QString Described(const AutosaveInfo& info) {
  screen_view::KeptReportFacts facts;
  facts.teacherName = info.teacherName.toStdString();
  facts.calendarYear = info.calendarYear;
  if (!info.filePath.isEmpty()) facts.fileName = QFileInfo(info.filePath).fileName().toStdString();
  facts.sheetName = info.staffSheet.toStdString();
  if (info.savedAt.isValid()) {
    const QDateTime local = info.savedAt.toLocalTime();
    const QDate date = local.date();
    const QTime time = local.time();
    facts.keptAt = screen_view::LocalMinute{date.year(), date.month(), date.day(), time.hour(), time.minute()};
  }
  return QString::fromStdString(screen_view::KeptReportDescription(facts));
}

}  // namespace

QString RecoveryQuestion(const std::vector<Leftover>& leftovers) {
  QStringList lines;
  lines << QString::fromStdString(screen_view::LeftUnsavedHeading(leftovers.size()));
  for (const Leftover& leftover : leftovers) lines << QStringLiteral("\u2022 ") + Described(leftover.info);
  lines << QString() << QStringLiteral("Ularni tiklaysizmi?");
  return lines.join(QLatin1Char('\n'));
}

ReportSource RecoveredSource(const Leftover& leftover, workbook_package::OpenedReport opened) {
  ReportSource source;
  source.sheet = std::move(opened.sheet);
  source.notes = std::move(opened.notes);
  source.texts.name = leftover.info.teacherName.toStdString();
  source.calendarYear = leftover.info.calendarYear;
  source.filePath = leftover.info.filePath;
  source.staffSheet = leftover.info.staffSheet;
  source.savedInFile = false;
  source.autosaveId = leftover.id;
  return source;
}

}  // namespace soatnoma::desktop
