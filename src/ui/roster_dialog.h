#pragma once
// "Ro'yxatdan": a school's staff list opened from its CSV file. Every row is shown with its
// line in the file and its status, ready or the reason it is refused; the ready teachers
// are saved together into one workbook (a sheet each and the summary "Jami") or one PDF.

#include <vector>

#include <QDialog>

#include "batch/roster.h"
#include "batch/staff_export.h"
#include "ui/form_services.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace soatnoma::ui {

class RosterDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RosterDialog(FormServices services, QWidget* parent = nullptr);

  // Reads the staff list and shows its rows. A file that cannot be read is explained in a
  // message and changes nothing; answers whether the rows are shown.
  bool OpenRosterFile(const QString& path);
  // Asks for another staff list and opens it.
  void ChooseRoster();
  // Asks where to save the ready teachers' reports and saves them there.
  void SaveStaff(batch::StaffFileFormat format);

  const QString& RosterPath() const { return rosterPath_; }
  int ReadyCount() const { return static_cast<int>(teachers_.size()); }

 private:
  void ShowRows(const batch::Roster& roster);
  void MarkRefused(const std::vector<batch::RosterProblem>& refused);
  void ReportResult(const batch::StaffExportResult& result, const QString& path);
  QString SuggestedPath(const QString& suffix) const;

  FormServices services_;
  QString rosterPath_;
  std::vector<batch::RosterTeacher> teachers_;
  int refusedCount_ = 0;
  QLabel* summary_;
  QTableWidget* rows_;
  QPushButton* saveWorkbook_;
  QPushButton* savePdf_;
};

}  // namespace soatnoma::ui
