#pragma once
// "Ro'yxatdan": a school's staff list opened from its CSV file or workbook. Every row is
// shown with its line in the file, the teacher's school and subject, and its status: the
// weekly hours and the annual total of a ready teacher, or the reason a row is refused.
// The ready teachers are saved together into one workbook (a sheet each and the summary
// "Jami") or one PDF. "Namuna..." saves an example staff list to start from.

#include <vector>

#include <QDialog>

#include "roster_rules/roster.h"
#include "staff_files/staff_export.h"
#include "desktop/form_services.h"

class QLabel;
class QHBoxLayout;
class QPushButton;
class QTableWidget;

namespace soatnoma::desktop {

class SchoolYearChoice;

class RosterDialog : public QDialog {
  Q_OBJECT

 public:
  // schoolYear: the school year the staff's files are made for, shown and chosen here too.
  RosterDialog(FormServices services, SchoolYearChoice& schoolYear, QWidget* parent = nullptr);

  // Reads the staff list and shows its rows. A file that cannot be read is explained in a
  // message and changes nothing; answers whether the rows are shown.
  bool OpenRosterFile(const QString& path);
  // Asks for another staff list and opens it.
  void ChooseRoster();
  // Asks where to save the ready teachers' reports and saves them there.
  void SaveStaff(staff_files::StaffFileFormat format);
  // Asks where to save an example staff list (.xlsx, or .csv when the name ends so) and
  // saves it there.
  void SaveExample();

  const QString& RosterPath() const { return rosterPath_; }
  int ReadyCount() const { return static_cast<int>(teachers_.size()); }

 private:
  // The row of buttons under the list, with the school year's choice.
  QHBoxLayout* MakeButtons();
  void ShowRows(const roster_rules::Roster& roster);
  void MarkRefused(const std::vector<roster_rules::RosterProblem>& refused);
  // Before a workbook is written over a staff workbook whose corrections cannot all be carried.
  CarryChoice AskAboutCorrectionsLost(const staff_book::CarryPlan& carried, const QString& path);
  void ReportResult(const staff_files::StaffExportResult& result, const QString& path,
                    const staff_book::CarryPlan& carried);
  void FitColumns();
  QString SuggestedPath(const QString& suffix) const;
  QString StartFolder() const;

  FormServices services_;
  SchoolYearChoice& schoolYear_;
  QString rosterPath_;
  std::vector<roster_rules::RosterTeacher> teachers_;
  QLabel* summary_;
  QTableWidget* rows_;
  QPushButton* saveWorkbook_;
  QPushButton* savePdf_;
};

}  // namespace soatnoma::desktop
