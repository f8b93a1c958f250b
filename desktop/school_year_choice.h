#pragma once
// The school year the form's reports and the staff's files are made for, as the teacher
// chose it in the form's menu or in the staff list window: one choice for the whole
// program, kept in its settings for the next start. Until a year is chosen, and once the
// kept one is no longer offered, it follows today's date.

#include <functional>
#include <optional>
#include <vector>

#include <QDate>
#include <QObject>
#include <QString>

class QComboBox;
class QMenu;

namespace soatnoma::desktop {

class SchoolYearChoice : public QObject {
  Q_OBJECT

 public:
  // settingsFile empty: the choice lasts only as long as the program runs.
  SchoolYearChoice(std::function<QDate()> today, QString settingsFile, QObject* parent = nullptr);

  // The first calendar year of the school year chosen (2026 for 2026/2027).
  int Year() const;
  std::vector<int> Offered() const;
  // Keeps the year as the choice; a year not offered is passed over.
  void Choose(int year);

 signals:
  void chosen(int year);

 private:
  std::function<QDate()> today_;
  QString settingsFile_;
  std::optional<int> kept_;
};

// The form's menu of school years: its title names the year chosen, and each of the years
// offered is an item to tick.
QMenu* SchoolYearMenu(SchoolYearChoice& choice, QWidget* parent);
// A box in the staff list window that shows the choice and changes it.
QComboBox* SchoolYearBox(SchoolYearChoice& choice, QWidget* parent);

}  // namespace soatnoma::desktop
