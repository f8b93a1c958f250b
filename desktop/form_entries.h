#pragma once
// What the teacher last typed into the form (name, school, subject, the lesson hours of
// each weekday, the category and class leadership), kept in the program's settings so
// that it comes back at the next start.

#include <array>
#include <optional>

#include <QString>

namespace soatnoma::desktop {

struct FormEntries {
  QString name;
  QString school;
  QString subject;
  std::array<QString, 6> days;  // Monday to Saturday, as typed
  bool primary = false;         // the category: primary classes, else upper classes
  bool classLeader = false;
};

// Nothing when the form's entries were never kept there (or there is no settings file).
std::optional<FormEntries> LoadFormEntries(const QString& settingsFile);
void SaveFormEntries(const QString& settingsFile, const FormEntries& entries);

}  // namespace soatnoma::desktop
