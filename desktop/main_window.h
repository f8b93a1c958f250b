#pragma once
// Form1, the teacher's form, under its menu bar: name, school, subject, the lesson hours of each weekday, the
// weekly hours, the rate, the category and class leadership; the run buttons; the about
// view with its decorations. Each run opens its report in a window of its own, as does
// every saved report opened again (Ctrl+O, or the form's context menu) and every report
// recovered after the program ended without saving them.

#include <memory>
#include <vector>

#include <QPointer>
#include <QWidget>

#include <string_view>

#include "form_controls/form_controls.h"
#include "workbook_package/opened_report.h"
#include "staff_book/staff_workbook_file.h"
#include "model/teacher.h"
#include "desktop/form_services.h"
#include "desktop/report_source.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace soatnoma::desktop {

class AboutView;
class ReportWindow;
class SchoolYearChoice;
struct FormEntries;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(FormServices services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The report windows of this form's runs that are still open (shown), oldest first.
  std::vector<ReportWindow*> OpenReports() const;

  // One run of the distribution for the category (what the run buttons do).
  void StartRun(TeacherCategory category);
  // Asks for a report workbook saved by this program and opens it in a window of its own.
  void OpenWorkbook();
  // Opens the workbook; one that is open already only comes to the front. Of a staff
  // workbook the teacher whose report to open is asked for. A refused file is explained in
  // a message and changes nothing. Answers whether a window shows it.
  bool OpenWorkbookFile(const QString& path);
  // Offers back the reports an earlier run of the program left unsaved (just after start).
  void OfferRecovery();
  void ToggleAboutView();

 signals:
  void aboutViewToggled(bool shown);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  template <typename Widget>
  Widget& Control(std::string_view name) const;
  template <typename Widget>
  Widget& Control(form_controls::ControlRole role) const;

  void ConnectFields();
  void SumDayBoxes();
  void ChooseCategory(TeacherCategory category);
  // What the teacher typed and chose, as kept for the next start.
  FormEntries Entries() const;
  void ShowEntries(const FormEntries& entries);
  TeacherCategory ChosenCategory() const;
  void ShowTermsOfUse();
  void CentreOnScreen();
  void AddOpenAction();
  ReportWindow* ShowReport(ReportSource source);
  // The window of that workbook (and sheet of a staff workbook) comes to the front, if any.
  bool BringForward(const QString& path, const QString& staffSheet);
  // Asks which teacher of a staff workbook to open, and opens that teacher's sheet, or
  // makes the whole workbook a PDF when that is chosen instead.
  bool OpenStaffTeacher(const QString& path, const std::vector<staff_book::StaffTeacherSheet>& teachers);
  // Asks where, and makes the staff workbook at path a PDF as it stands; whether it was written.
  bool SaveStaffWorkbookPdf(const QString& path);
  // A report read from a workbook in a window of its own; a refusal in a message.
  // stamp: the file as it was when its report was read, checked before saving back into it.
  bool ShowOpened(const QString& path, const QString& staffSheet, workbook_package::OpenOutcome outcome,
                  const std::optional<FileStamp>& stamp);
  std::optional<FileStamp> StampOf(const QString& path) const;

  FormServices services_;
  std::unique_ptr<AboutView> about_;
  SchoolYearChoice* schoolYear_;
  std::vector<QPointer<ReportWindow>> reports_;
};

}  // namespace soatnoma::desktop
