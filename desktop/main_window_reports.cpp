// The form's report windows beyond its runs: saved reports opened again, and reports an
// earlier run of the program left unsaved.
#include <variant>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "report_files/xlsx_reader.h"
#include "screen_view/recovery_texts.h"
#include "staff_book/staff_work_texts.h"
#include "staff_files/staff_document.h"
#include "staff_files/workbook_pdf.h"
#include "desktop/action_texts.h"
#include "desktop/file_dialog_texts.h"
#include "desktop/main_window.h"
#include "desktop/report_recovery.h"
#include "desktop/report_window.h"
#include "desktop/school_year_choice.h"

namespace soatnoma::desktop {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

bool SameFile(const QString& a, const QString& b) {
  const QString canonicalA = QFileInfo(a).canonicalFilePath();
  return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

}  // namespace

ReportWindow* MainWindow::ShowReport(ReportSource source) {
  auto* window = new ReportWindow(std::move(source), services_);
  connect(window, &ReportWindow::openRequested, this, &MainWindow::OpenWorkbook);
  reports_.emplace_back(window);
  window->show();
  return window;
}

void MainWindow::AddOpenAction() {
  auto* open = new QAction(ActionText(screen_view::Action::Open, QStringLiteral("...")), this);
  open->setObjectName(QStringLiteral("openWorkbook"));
  open->setToolTip(ActionToolTip(screen_view::Action::Open));
  open->setStatusTip(open->toolTip());
  open->setShortcut(QKeySequence::Open);
  connect(open, &QAction::triggered, this, &MainWindow::OpenWorkbook);
  addAction(open);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MainWindow::OpenWorkbook() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(folder).exists()) folder = QDir::homePath();
  const QString path =
      services_.askOpenPath(this, OpenRequest{QStringLiteral("Hisobotni ochish"), folder, WorkbookFilter()});
  if (!path.isEmpty()) OpenWorkbookFile(path);
}

bool MainWindow::BringForward(const QString& path, const QString& staffSheet) {
  for (ReportWindow* report : OpenReports()) {
    if (SameFile(report->FilePath(), path) && report->StaffSheet() == staffSheet) {
      report->raise();
      report->activateWindow();
      return true;
    }
  }
  return false;
}

bool MainWindow::OpenWorkbookFile(const QString& path) {
  if (BringForward(path, QString())) return true;
  const std::optional<FileStamp> stamp = StampOf(path);  // of the bytes about to be read
  staff_files::WorkbookOpening opening = staff_files::OpenReportOrStaff(path.toStdString());
  if (const auto* listing = std::get_if<staff_files::StaffWorkbookListing>(&opening)) {
    return OpenStaffTeacher(path, listing->teachers);
  }
  return ShowOpened(path, QString(),
                    std::get_if<workbook_package::OpenRefusal>(&opening)
                        ? workbook_package::OpenOutcome(std::get<workbook_package::OpenRefusal>(opening))
                        : workbook_package::OpenOutcome(std::get<workbook_package::OpenedReport>(std::move(opening))),
                    stamp);
}

bool MainWindow::OpenStaffTeacher(const QString& path, const std::vector<staff_book::StaffTeacherSheet>& teachers) {
  const int chosen = services_.chooseStaffTeacher(this, QFileInfo(path).fileName(), teachers);
  if (chosen == kStaffWorkbookPdfChoice) return SaveStaffWorkbookPdf(path);
  if (chosen < 0 || chosen >= static_cast<int>(teachers.size())) return false;
  const QString sheet = Utf8(teachers[static_cast<std::size_t>(chosen)].sheetName);
  if (BringForward(path, sheet)) return true;
  const std::optional<FileStamp> stamp = StampOf(path);
  return ShowOpened(path, sheet, staff_files::OpenStaffSheet(path.toStdString(), sheet.toStdString()), stamp);
}

bool MainWindow::SaveStaffWorkbookPdf(const QString& path) {
  const QFileInfo workbook(path);
  const QString pdf = services_.askSavePath(
      this, SaveRequest{QStringLiteral("Xodimlar kitobini PDF qilib saqlash"),
                        workbook.dir().filePath(workbook.completeBaseName() + QStringLiteral(".pdf")), PdfFilter(),
                        QStringLiteral("pdf"), true});
  if (pdf.isEmpty()) return false;
  const staff_files::WorkbookPdfResult result = staff_files::SaveWorkbookPdf(path.toStdString(), pdf.toStdString());
  switch (result.status) {
    case staff_files::WorkbookPdfStatus::Written: {
      std::string said = staff_book::StaffFileText(result.teachers, QDir::toNativeSeparators(pdf).toStdString(),
                                                   staff_book::StaffFileFate::Saved, {});
      for (const std::string& notice : result.notices) said += "\n" + notice;
      services_.showMessage(this, MessageIcon::Information, Utf8(said));
      return true;
    }
    case staff_files::WorkbookPdfStatus::Refused:
      services_.showMessage(this, MessageIcon::Exclamation, Utf8(result.message));
      break;
    case staff_files::WorkbookPdfStatus::NotWritten:
      services_.showMessage(this, MessageIcon::Critical, Utf8(result.message));
      break;
  }
  return false;
}

std::optional<FileStamp> MainWindow::StampOf(const QString& path) const {
  return services_.stampFile ? services_.stampFile(path) : std::nullopt;
}

bool MainWindow::ShowOpened(const QString& path, const QString& staffSheet, workbook_package::OpenOutcome outcome,
                            const std::optional<FileStamp>& stamp) {
  if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&outcome)) {
    services_.showMessage(this, MessageIcon::Exclamation, Utf8(refusal->message));
    return false;
  }
  auto& opened = std::get<workbook_package::OpenedReport>(outcome);
  ReportSource source;
  source.texts.name = report_sheet::TeacherNameOfFooter(opened.sheet.Cells().TextAt(22, 1)).value_or("");
  source.calendarYear =
      report_sheet::CalendarYearOfTitle(opened.sheet.Cells().TextAt(2, 1)).value_or(schoolYear_->Year());
  source.sheet = std::move(opened.sheet);
  source.filePath = QFileInfo(path).absoluteFilePath();
  source.staffSheet = staffSheet;
  source.savedInFile = true;
  source.notes = std::move(opened.notes);
  source.fileStamp = stamp;
  source.notice = Utf8(opened.notice);
  ShowReport(std::move(source));
  return true;
}

void MainWindow::OfferRecovery() {
  const std::vector<Leftover> leftovers = FindLeftovers(services_.autosaveFolder);
  if (leftovers.empty()) return;
  switch (services_.askRestore(this, RecoveryQuestion(leftovers))) {
    case RestoreChoice::Later: return;
    case RestoreChoice::Discard:
      for (const Leftover& leftover : leftovers) RemoveLeftover(services_.autosaveFolder, leftover.id);
      return;
    case RestoreChoice::Restore: break;
  }
  for (const Leftover& leftover : leftovers) {
    workbook_package::OpenOutcome outcome = report_files::OpenXlsx(leftover.workbookPath.toStdString());
    if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&outcome)) {
      // A copy that cannot be read cannot be recovered; it is not offered again.
      services_.showMessage(
          this, MessageIcon::Exclamation,
          Utf8(std::string(screen_view::kRestoreFailedWords)) + QLatin1Char('\n') + Utf8(refusal->message));
      RemoveLeftover(services_.autosaveFolder, leftover.id);
      continue;
    }
    ShowReport(RecoveredSource(leftover, std::move(std::get<workbook_package::OpenedReport>(outcome))));
  }
}

}  // namespace soatnoma::desktop
