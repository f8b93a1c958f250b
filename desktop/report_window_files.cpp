// The report window's files: the workbook it is saved to, PDF export and printing.
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUndoStack>

#include "report_files/pdf_writer.h"
#include "report_files/report_printer.h"
#include "report_files/xlsx_writer.h"
#include "staff_files/staff_document.h"
#include "report_editing/cells_to_check.h"
#include "desktop/file_dialog_texts.h"
#include "desktop/report_autosave.h"
#include "desktop/report_file_name.h"
#include "desktop/report_window.h"

namespace soatnoma::desktop {
namespace {

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

bool SameFile(const QString& a, const QString& b) {
  const QString canonicalA = QFileInfo(a).canonicalFilePath();
  return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString ReportWindow::SuggestedPath(const QString& suffix) const {
  // A teacher of a staff workbook: the teacher's own report beside the staff's file.
  if (!staffSheet_.isEmpty()) {
    return QFileInfo(filePath_).dir().filePath(ReportFileName(texts_.name, calendarYear_, suffix));
  }
  if (!filePath_.isEmpty()) {
    const QFileInfo file(filePath_);
    return file.dir().filePath(file.completeBaseName() + QLatin1Char('.') + suffix);
  }
  return QDir(DocumentsFolder()).filePath(ReportFileName(texts_.name, calendarYear_, suffix));
}

bool ReportWindow::WriteWorkbook(const QString& path) {
  const report_files::SaveResult result =
      report_files::SaveXlsxWithNotes(sheet_, corrections_->Notes(), path.toStdString());
  if (!result.ok) {
    ReportFault(QStringLiteral("Hisobotni saqlab bo'lmadi."), QString::fromStdString(result.message));
    return false;
  }
  filePath_ = path;
  staffSheet_.clear();  // saved as a report of its own, the report now belongs to that file
  fileStamp_ = services_.stampFile ? services_.stampFile(path) : std::nullopt;
  MarkSaved();
  return true;
}

bool ReportWindow::WriteIntoStaffWorkbook() {
  const report_files::SaveResult result =
      staff_files::SaveStaffSheet(filePath_.toStdString(), staffSheet_.toStdString(), sheet_, corrections_->Notes());
  if (!result.ok) {
    ReportFault(QStringLiteral("Xodimlar kitobini saqlab bo'lmadi."), QString::fromStdString(result.message));
    return false;
  }
  fileStamp_ = services_.stampFile ? services_.stampFile(filePath_) : std::nullopt;
  MarkSaved();
  return true;
}

bool ReportWindow::StillTheFileOpened() {
  return !fileStamp_ || !services_.stampFile || services_.stampFile(filePath_) == fileStamp_;
}

bool ReportWindow::WriteBack() {
  if (!StillTheFileOpened()) {
    return services_.askSaveElsewhere(this, ChangedOnDiskText(QFileInfo(filePath_).fileName())) &&
           ChooseWorkbookAndWrite();
  }
  return staffSheet_.isEmpty() ? WriteWorkbook(filePath_) : WriteIntoStaffWorkbook();
}

void ReportWindow::MarkSaved() {
  autosave_->Discard();
  undo_->setClean();
  UpdateTitle();
  emit reportChanged();
}

bool ReportWindow::GoOnDespiteCellsToCheck(report_editing::ReportLeaving leaving) {
  if (!report_editing::AsksBeforeLeaving(*corrections_, wentOnDespite_)) return true;
  const QString question = QString::fromStdString(report_editing::CellsToCheckQuestion(*corrections_, leaving));
  if (!services_.askContinue(this, question)) return false;
  wentOnDespite_ = report_editing::CellsToCheckState(*corrections_);
  return true;
}

bool ReportWindow::Save() {
  FinishTyping();
  if (!GoOnDespiteCellsToCheck(report_editing::ReportLeaving::Saving)) return false;
  if (filePath_.isEmpty()) return ChooseWorkbookAndWrite();
  return WriteBack();
}

bool ReportWindow::SaveAsWorkbook() {
  FinishTyping();
  return GoOnDespiteCellsToCheck(report_editing::ReportLeaving::Saving) && ChooseWorkbookAndWrite();
}

bool ReportWindow::ChooseWorkbookAndWrite() {
  const QString path = services_.askSavePath(
      this, SaveRequest{QStringLiteral("Hisobotni saqlash"), SuggestedPath(QStringLiteral("xlsx")), WorkbookFilter(),
                        QStringLiteral("xlsx"), !filePath_.isEmpty()});
  if (path.isEmpty()) return false;
  // The staff workbook the teacher's sheet came from is written back, never replaced by one
  // teacher's report.
  if (!staffSheet_.isEmpty() && SameFile(path, filePath_)) return WriteBack();
  return WriteWorkbook(path);
}

bool ReportWindow::ExportPdf() {
  FinishTyping();
  if (!GoOnDespiteCellsToCheck(report_editing::ReportLeaving::Pdf)) return false;
  const QString path =
      services_.askSavePath(this, SaveRequest{QStringLiteral("PDF ga eksport"), SuggestedPath(QStringLiteral("pdf")),
                                              PdfFilter(), QStringLiteral("pdf"), !filePath_.isEmpty()});
  if (path.isEmpty()) return false;
  const report_files::SaveResult result = report_files::SavePdf(sheet_, path.toStdString());
  if (!result.ok) {
    ReportFault(QStringLiteral("PDF faylni yozib bo'lmadi."), QString::fromStdString(result.message));
    return false;
  }
  // Where it went, as the staff's saves say it.
  statusBar()->showMessage(QStringLiteral("PDF saqlandi: %1").arg(QDir::toNativeSeparators(path)));
  return true;
}

bool ReportWindow::Print() {
  FinishTyping();
  if (!GoOnDespiteCellsToCheck(report_editing::ReportLeaving::Printing)) return false;
  bool started = true;
  const bool printed = services_.printWithPreview(this, [this, &started](QPrinter& printer) {
    if (!report_files::PrintReport(sheet_, printer)) started = false;
  }) && started;
  if (!printed) ReportFault(QStringLiteral("Hisobotni chop etib bo'lmadi."), QString());
  return printed;
}

}  // namespace soatnoma::desktop
