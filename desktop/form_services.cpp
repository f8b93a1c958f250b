#include "desktop/form_services.h"

#include <algorithm>
#include <array>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>

#include "desktop/uzbek_dates.h"
#include "report_editing/cells_to_check.h"
#include "screen_view/recovery_texts.h"
#include "staff_book/carried_corrections.h"
#include "desktop/staff_teacher_choice.h"

namespace soatnoma::desktop {
namespace {

const QString kProgramTitle = QStringLiteral("Soatnoma");

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

void ShowMessage(QWidget* parent, MessageIcon icon, const QString& text) {
  QMessageBox box(BoxIcon(icon), kProgramTitle, text, QMessageBox::NoButton, parent);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

// The chosen file of Qt's own dialog, so that every text in it can be given in Uzbek.
QString ChosenFile(QFileDialog& dialog, const QString& acceptText) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setProxyModel(new UzbekFileDates(&dialog));
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Papka:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Fayl nomi:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Fayl turi:"));
  dialog.setLabelText(QFileDialog::Accept, acceptText);
  dialog.setLabelText(QFileDialog::Reject, QCoreApplication::translate("QPlatformTheme", "Cancel"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString AskSavePath(QWidget* parent, const SaveRequest& request) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.suffix);
  dialog.selectFile(request.suggestedPath);
  return ChosenFile(dialog, QStringLiteral("Saqlash"));
}

QString AskOpenPath(QWidget* parent, const OpenRequest& request) {
  QFileDialog dialog(parent, request.title, request.folder, request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return ChosenFile(dialog, QStringLiteral("Ochish"));
}

// A question with two or three answers: the first is the default unless lastIsDefault, the last
// is what closing the box means. Returns the index of the answer given.
std::size_t AskOneOf(QWidget* parent, QMessageBox::Icon icon, const QString& question, const QStringList& answers,
                     bool lastIsDefault = false) {
  QMessageBox box(icon, kProgramTitle, question, QMessageBox::NoButton, parent);
  std::vector<QPushButton*> buttons;
  for (qsizetype i = 0; i < answers.size(); ++i) {
    const bool last = i + 1 == answers.size();
    const auto role = i == 0 ? QMessageBox::AcceptRole : last ? QMessageBox::RejectRole : QMessageBox::DestructiveRole;
    buttons.push_back(box.addButton(answers[i], role));
  }
  box.setDefaultButton(lastIsDefault ? buttons.back() : buttons.front());
  box.setEscapeButton(buttons.back());
  box.exec();
  const auto clicked = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  return clicked == buttons.end() ? buttons.size() - 1 : static_cast<std::size_t>(clicked - buttons.begin());
}

// A text of the shared code, in Uzbek's Latin letters.
QString Latin(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

UnsavedChoice AskUnsaved(QWidget* parent, const QString& question) {
  constexpr std::array kChoices = {UnsavedChoice::Save, UnsavedChoice::Discard, UnsavedChoice::Cancel};
  return kChoices[AskOneOf(parent, QMessageBox::Question, question,
                           {QStringLiteral("Saqlash"), QStringLiteral("Saqlamaslik"),
                            QCoreApplication::translate("QPlatformTheme", "Cancel")})];
}

RestoreChoice AskRestore(QWidget* parent, const QString& question) {
  constexpr std::array kChoices = {RestoreChoice::Restore, RestoreChoice::Discard, RestoreChoice::Later};
  return kChoices[AskOneOf(
      parent, QMessageBox::Question, question,
      {Latin(screen_view::kRestoreAnswer), Latin(screen_view::kDiscardKeptAnswer), Latin(screen_view::kLaterAnswer)})];
}

bool AskContinue(QWidget* parent, const QString& question) {
  return AskOneOf(parent, QMessageBox::Warning, question,
                  {Latin(report_editing::kGoOnAnswer), Latin(report_editing::kCheckFirstAnswer)},
                  report_editing::kCheckFirstIsDefault) == 0;
}

CarryChoice AskCarry(QWidget* parent, const QString& question) {
  // The safe answer first, taken by Enter; Escape cancels.
  constexpr std::array kChoices = {CarryChoice::OtherName, CarryChoice::GoOn, CarryChoice::Cancel};
  return kChoices[AskOneOf(parent, QMessageBox::Warning, question,
                           {Latin(staff_book::kCarryOtherNameLabel), Latin(staff_book::kCarryGoOnLabel),
                            Latin(staff_book::kWriteNothingLabel)})];
}

bool AskSaveElsewhere(QWidget* parent, const QString& text) {
  return AskOneOf(parent, QMessageBox::Warning, text,
                  {QStringLiteral("Boshqa nom bilan saqlash..."), Latin(staff_book::kWriteNothingLabel)}) == 0;
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
  const auto standardFolder = [](QStandardPaths::StandardLocation location, const char* name) {
    return QDir(QStandardPaths::writableLocation(location)).filePath(QString::fromLatin1(name));
  };
  return {
      .showMessage = ShowMessage,
      .askSavePath = AskSavePath,
      .askOpenPath = AskOpenPath,
      .askUnsaved = AskUnsaved,
      .askRestore = AskRestore,
      .chooseStaffTeacher = ChooseStaffTeacher,
      .askContinue = AskContinue,
      .askCarry = AskCarry,
      .askSaveElsewhere = AskSaveElsewhere,
      .stampFile = StampOfFile,
      .printWithPreview = PrintWithPreview,
      .today = [] { return QDate::currentDate(); },
      .now = [] { return QDateTime::currentDateTime(); },
      .autosaveFolder = standardFolder(QStandardPaths::AppDataLocation, "saqlanmagan"),
      .settingsFile = standardFolder(QStandardPaths::AppConfigLocation, "soatnoma.conf"),
      .timings = {},
      .scaledToScreen = true,
  };
}

}  // namespace soatnoma::desktop
