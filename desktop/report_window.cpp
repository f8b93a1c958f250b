#include "desktop/report_window.h"

#include <exception>
#include <utility>

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QUndoStack>

#include "desktop/report_autosave.h"
#include "desktop/report_file_name.h"
#include "desktop/report_view.h"

namespace soatnoma::desktop {

ReportWindow::ReportWindow(ReportSource source, FormServices services, QWidget* parent)
    : QMainWindow(parent),
      sheet_(std::move(source.sheet)),
      texts_(std::move(source.texts)),
      calendarYear_(source.calendarYear),
      filePath_(source.filePath),
      staffSheet_(source.staffSheet),
      fileStamp_(source.fileStamp),
      services_(std::move(services)),
      corrections_(std::make_unique<report_editing::ReportCorrections>(sheet_, source.notes)),
      undo_(new QUndoStack(this)),
      view_(new ReportView(sheet_)),
      scroll_(new QScrollArea(this)),
      story_(std::move(source.story)) {
  setObjectName(QStringLiteral("ReportWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  // A report that is not exactly its workbook is unsaved until it is saved.
  if (!source.savedInFile || filePath_.isEmpty()) undo_->resetClean();

  scroll_->setObjectName(QStringLiteral("ReportScroll"));
  scroll_->setAccessibleName(QStringLiteral("Hisobot sahifasi"));
  scroll_->setWidget(view_);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll_->setBackgroundRole(QPalette::Dark);
  pages_ = new QStackedWidget(this);
  pages_->addWidget(scroll_);
  setCentralWidget(pages_);
  view_->SetCorrections(corrections_.get());
  view_->SetStory(story_.get());
  connect(view_, &ReportView::entryTyped, this, &ReportWindow::TakeEntry);
  connect(view_, &ReportView::cellMenuRequested, this, &ReportWindow::ShowCellMenu);
  connect(view_, &ReportView::currentCellChanged, this, &ReportWindow::KeepCellInSight);
  connect(view_, &ReportView::editStarted, this, &ReportWindow::KeepCellInSight);
  connect(view_, &ReportView::clearRequested, this, [this] { ClearCurrentCell(); });
  connect(view_, &ReportView::typingRefused, this, &ReportWindow::RefuseTyping);
  connect(undo_, &QUndoStack::cleanChanged, this, [this] {
    UpdateTitle();
    emit reportChanged();
  });

  BuildActions();
  BuildStatusBar(source.textsTyped);
  autosave_ =
      new ReportAutosave(*this, services_.autosaveFolder, services_.timings.autosave, services_.now, source.autosaveId);
  connect(autosave_, &ReportAutosave::problemChanged, this, [this](const QString& problem) {
    if (!problem.isEmpty()) statusBar()->showMessage(problem);
  });
  if (!source.notice.isEmpty()) statusBar()->showMessage(source.notice);
  if (!autosave_->Problem().isEmpty()) statusBar()->showMessage(autosave_->Problem());
  ShowChanges();
  FitToScreen();
  view_->setFocus();
}

ReportWindow::~ReportWindow() {
  // The undo stack empties itself when it goes, after this window's members are gone; it
  // must not call back into them.
  undo_->disconnect(this);
}

bool ReportWindow::IsSaved() const { return !filePath_.isEmpty() && undo_->isClean(); }

void ReportWindow::FitToScreen() {
  // The page at its real size when the screen has room for it; otherwise as wide as the
  // window the screen allows.
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
  const QSize chrome(40, 150);  // frame, scroll bar, menu, tool bar and status line, roughly
  const QSize wanted = view_->size() + chrome;
  const QSize room = available.size() * 0.9;
  resize(wanted.boundedTo(room));
  if (wanted.width() > room.width()) view_->FitWidth(room.width() - chrome.width());
}

void ReportWindow::KeepCellInSight(report_editing::CellPlace place) {
  const QRect cell = view_->CellRect(place).toAlignedRect();
  scroll_->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2 + 8, cell.height() / 2 + 8);
}

void ReportWindow::UpdateTitle() {
  if (filePath_.isEmpty()) {
    const QString teacher =
        texts_.name.empty() ? QString() : QStringLiteral(" \u2014 %1").arg(QString::fromStdString(texts_.name));
    setWindowTitle(QStringLiteral("Yillik taqsimot %1/%2%3[*]").arg(calendarYear_).arg(calendarYear_ + 1).arg(teacher));
  } else {
    // The file, and beside it whose report it is.
    const QString teacher = QString::fromStdString(texts_.name).simplified();
    // A teacher's sheet of a staff workbook: the file, then the sheet.
    const QString file = staffSheet_.isEmpty()
                             ? QFileInfo(filePath_).fileName()
                             : QStringLiteral("%1 [%2]").arg(QFileInfo(filePath_).fileName(), staffSheet_);
    // A title that names the teacher already (the sheet, or the file, is the teacher's name) says it once.
    const bool named = teacher.isEmpty() || file.contains(teacher, Qt::CaseInsensitive);
    setWindowTitle(named ? QStringLiteral("%1[*] \u2014 Yillik taqsimot").arg(file)
                         : QStringLiteral("%1[*] \u2014 %2 \u2014 Yillik taqsimot").arg(file, teacher));
  }
  setWindowModified(!IsSaved());
}

void ReportWindow::ChangeSheet(const std::function<void(report_sheet::ReportSheet&)>& change) {
  try {
    change(sheet_);
  } catch (const std::exception& fault) {
    ReportFault(QStringLiteral("Hisobotni o'zgartirib bo'lmadi."), QString::fromUtf8(fault.what()));
  }
  // What the program wrote is the computed report; corrections start from it.
  corrections_->TakeAsComputed();
  undo_->clear();
  undo_->resetClean();
  editingHeld_ = false;
  view_->SetEditingEnabled(true);
  ShowChanges();
}

void ReportWindow::AwaitProgramChange() {
  editingHeld_ = true;
  view_->SetEditingEnabled(false);
  ShowChanges();
}

void ReportWindow::closeEvent(QCloseEvent* event) {
  FinishTyping();
  if (IsSaved()) {
    autosave_->Discard();
    event->accept();
    return;
  }
  raise();
  activateWindow();
  const QString question =
      QStringLiteral("\"%1\" hisoboti saqlanmagan. Uni saqlaysizmi?").arg(ReportName(texts_.name, calendarYear_));
  switch (services_.askUnsaved(this, question)) {
    case UnsavedChoice::Save:
      if (Save()) {
        event->accept();
      } else {
        event->ignore();
      }
      return;
    case UnsavedChoice::Discard:
      autosave_->Discard();
      event->accept();
      return;
    case UnsavedChoice::Cancel: event->ignore(); return;
  }
}

void ReportWindow::ReportFault(const QString& what, const QString& detail) {
  services_.showMessage(this, MessageIcon::Critical, detail.isEmpty() ? what : what + QLatin1Char('\n') + detail);
}

}  // namespace soatnoma::desktop
