#include "ui/form_services.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace soatnoma::ui {
namespace {

const QString kProgramTitle = QStringLiteral("Soatnoma");

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

void ShowMessage(QWidget* parent, MessageIcon icon, const QString& text) {
  QMessageBox box(BoxIcon(icon), kProgramTitle, text, QMessageBox::NoButton, parent);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

QString AskSavePath(QWidget* parent, const SaveRequest& request) {
  // Qt's own dialog, so that every text in it can be given in Uzbek.
  QFileDialog dialog(parent, request.title);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.suffix);
  dialog.selectFile(request.suggestedPath);
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Papka:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Fayl nomi:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Fayl turi:"));
  dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Saqlash"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Bekor qilish"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

UnsavedChoice AskUnsaved(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::Question, kProgramTitle, question, QMessageBox::NoButton, parent);
  QPushButton* save = box.addButton(QStringLiteral("Saqlash"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QStringLiteral("Saqlamaslik"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("Bekor qilish"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return UnsavedChoice::Save;
  if (box.clickedButton() == discard) return UnsavedChoice::Discard;
  return UnsavedChoice::Cancel;
}

bool PrintWithPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QStringLiteral("Chop etishdan oldin ko'rish"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&paint](QPrinter* target) { paint(*target); });
  preview.exec();
  return printer.printerState() != QPrinter::Error;
}

}  // namespace

FormServices StandardFormServices() {
  FormServices services;
  services.showMessage = ShowMessage;
  services.askSavePath = AskSavePath;
  services.askUnsaved = AskUnsaved;
  services.printWithPreview = PrintWithPreview;
  services.today = [] { return QDate::currentDate(); };
  return services;
}

}  // namespace soatnoma::ui
