#include "desktop/form_entries.h"

#include <QSettings>

namespace soatnoma::desktop {
namespace {

const QString kGroup = QStringLiteral("shakl");
constexpr std::array<const char*, 6> kDayKeys = {"du", "se", "ch", "pa", "ju", "sh"};

}  // namespace

std::optional<FormEntries> LoadFormEntries(const QString& settingsFile) {
  if (settingsFile.isEmpty()) return std::nullopt;
  QSettings settings(settingsFile, QSettings::IniFormat);
  if (!settings.childGroups().contains(kGroup)) return std::nullopt;
  settings.beginGroup(kGroup);
  FormEntries entries;
  entries.name = settings.value(QStringLiteral("ism")).toString();
  entries.school = settings.value(QStringLiteral("maktab")).toString();
  entries.subject = settings.value(QStringLiteral("fan")).toString();
  for (std::size_t i = 0; i < kDayKeys.size(); ++i) {
    entries.days[i] = settings.value(QString::fromLatin1(kDayKeys[i])).toString();
  }
  entries.primary = settings.value(QStringLiteral("toifa")).toString() == QStringLiteral("boshlangich");
  entries.classLeader = settings.value(QStringLiteral("rahbar")).toBool();
  return entries;
}

void SaveFormEntries(const QString& settingsFile, const FormEntries& entries) {
  if (settingsFile.isEmpty()) return;
  QSettings settings(settingsFile, QSettings::IniFormat);
  settings.beginGroup(kGroup);
  settings.setValue(QStringLiteral("ism"), entries.name);
  settings.setValue(QStringLiteral("maktab"), entries.school);
  settings.setValue(QStringLiteral("fan"), entries.subject);
  for (std::size_t i = 0; i < kDayKeys.size(); ++i)
    settings.setValue(QString::fromLatin1(kDayKeys[i]), entries.days[i]);
  settings.setValue(QStringLiteral("toifa"),
                    entries.primary ? QStringLiteral("boshlangich") : QStringLiteral("yuqori"));
  settings.setValue(QStringLiteral("rahbar"), entries.classLeader);
}

}  // namespace soatnoma::desktop
