#include "ui/report_window.h"

#include <exception>
#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QToolBar>

#include "report/pdf_writer.h"
#include "report/report_printer.h"
#include "report/xlsx_writer.h"
#include "ui/report_file_name.h"
#include "ui/report_view.h"

namespace soatnoma::ui {

// The two files a report is written to, and what the teacher is told about them.
struct ReportFile {
  const char* dialogTitle;
  const char* filter;
  const char* suffix;
  const char* fault;
  SaveResult (*write)(const ReportSheet&, const std::string&);
};

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

constexpr ReportFile kWorkbook{"Hisobotni saqlash", "Excel ish kitobi (*.xlsx)", "xlsx", "Hisobotni saqlab bo'lmadi.",
                               SaveXlsx};
constexpr ReportFile kPdf{"PDF ga eksport", "PDF hujjat (*.pdf)", "pdf", "PDF faylni yozib bo'lmadi.", SavePdf};

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

ReportWindow::ReportWindow(ReportSheet sheet, ReportTexts texts, int calendarYear, FormServices services,
                           QWidget* parent)
    : QMainWindow(parent),
      sheet_(std::move(sheet)),
      texts_(std::move(texts)),
      calendarYear_(calendarYear),
      services_(std::move(services)),
      view_(new ReportView(sheet_)),
      scroll_(new QScrollArea(this)) {
  setObjectName(QStringLiteral("ReportWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  const QString teacher = texts_.name.empty() ? QString() : QStringLiteral(" \u2014 %1").arg(Utf8(texts_.name));
  setWindowTitle(QStringLiteral("Yillik taqsimot %1/%2%3[*]").arg(calendarYear_).arg(calendarYear_ + 1).arg(teacher));

  scroll_->setObjectName(QStringLiteral("ReportScroll"));
  scroll_->setWidget(view_);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll_->setBackgroundRole(QPalette::Dark);
  setCentralWidget(scroll_);
  BuildActions();
  MarkSaved(false);
  FitToScreen();
}

void ReportWindow::FitToScreen() {
  // The page at its real size when the screen has room for it; otherwise as wide as the
  // window the screen allows.
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
  const QSize chrome(40, 120);  // frame, scroll bar, menu and tool bar, roughly
  const QSize wanted = view_->size() + chrome;
  const QSize room = available.size() * 0.9;
  resize(wanted.boundedTo(room));
  if (wanted.width() > room.width()) view_->FitWidth(room.width() - chrome.width());
}

void ReportWindow::BuildActions() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Fayl"));
  QMenu* view = menuBar()->addMenu(QStringLiteral("&Ko'rinish"));
  QToolBar* tools = addToolBar(QStringLiteral("Asboblar"));
  tools->setObjectName(QStringLiteral("ReportTools"));
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextOnly);

  auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys, auto slot) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    return action;
  };
  QAction* save = add(file, "saveWorkbook", QStringLiteral("&Saqlash (.xlsx)..."), QKeySequence::Save,
                      [this] { SaveAsWorkbook(); });
  QAction* pdf = add(file, "exportPdf", QStringLiteral("&PDF ga eksport..."), QKeySequence(), [this] { ExportPdf(); });
  QAction* print = add(file, "print", QStringLiteral("&Chop etish..."), QKeySequence::Print, [this] { Print(); });
  file->addSeparator();
  add(file, "closeReport", QStringLiteral("&Yopish"), QKeySequence::Close, [this] { close(); });

  QAction* zoomIn =
      add(view, "zoomIn", QStringLiteral("&Kattalashtirish"), QKeySequence::ZoomIn, [this] { view_->ZoomIn(); });
  QAction* zoomOut =
      add(view, "zoomOut", QStringLiteral("Ki&chiklashtirish"), QKeySequence::ZoomOut, [this] { view_->ZoomOut(); });
  QAction* actual = add(view, "actualSize", QStringLiteral("&Asl o'lcham"), QKeySequence(Qt::CTRL | Qt::Key_0),
                        [this] { view_->SetZoom(1.0); });
  QAction* fitWidth = add(view, "fitWidth", QStringLiteral("Sahifa &eniga"), QKeySequence(),
                          [this] { view_->FitWidth(scroll_->viewport()->width()); });

  tools->addAction(save);
  tools->addAction(pdf);
  tools->addAction(print);
  tools->addSeparator();
  tools->addAction(zoomOut);
  auto* zoomText = new QLabel(tools);
  zoomText->setObjectName(QStringLiteral("zoomText"));
  zoomText->setMinimumWidth(48);
  zoomText->setAlignment(Qt::AlignCenter);
  tools->addWidget(zoomText);
  tools->addAction(zoomIn);
  tools->addAction(actual);
  tools->addAction(fitWidth);
  auto showZoom = [zoomText](double zoom) { zoomText->setText(QStringLiteral("%1%").arg(qRound(zoom * 100))); };
  connect(view_, &ReportView::zoomChanged, zoomText, showZoom);
  showZoom(view_->Zoom());
}

void ReportWindow::ChangeSheet(const std::function<void(ReportSheet&)>& change) {
  try {
    change(sheet_);
  } catch (const std::exception& fault) {
    ReportFault(QStringLiteral("Hisobotni o'zgartirib bo'lmadi."), QString::fromUtf8(fault.what()));
  }
  view_->SheetChanged();
  MarkSaved(false);
}

bool ReportWindow::WriteFile(const ReportFile& file) {
  const QString suffix = QString::fromLatin1(file.suffix);
  const SaveRequest request{QString::fromUtf8(file.dialogTitle),
                            QDir(DocumentsFolder()).filePath(ReportFileName(texts_.name, calendarYear_, suffix)),
                            QString::fromUtf8(file.filter), suffix};
  const QString path = services_.askSavePath(this, request);
  if (path.isEmpty()) return false;
  const SaveResult result = file.write(sheet_, path.toStdString());
  if (!result.ok) {
    ReportFault(QString::fromUtf8(file.fault), Utf8(result.message));
    return false;
  }
  return true;
}

bool ReportWindow::SaveAsWorkbook() {
  if (!WriteFile(kWorkbook)) return false;
  MarkSaved(true);
  return true;
}

bool ReportWindow::ExportPdf() { return WriteFile(kPdf); }

bool ReportWindow::Print() {
  bool started = true;
  const bool printed = services_.printWithPreview(this, [this, &started](QPrinter& printer) {
    if (!PrintReport(sheet_, printer)) started = false;
  }) && started;
  if (!printed) ReportFault(QStringLiteral("Hisobotni chop etib bo'lmadi."), QString());
  return printed;
}

void ReportWindow::closeEvent(QCloseEvent* event) {
  if (saved_) {
    event->accept();
    return;
  }
  raise();
  activateWindow();
  const QString question = QStringLiteral("Hisobot saqlanmagan. Uni saqlaysizmi?");
  switch (services_.askUnsaved(this, question)) {
    case UnsavedChoice::Save:
      if (SaveAsWorkbook()) {
        event->accept();
      } else {
        event->ignore();
      }
      return;
    case UnsavedChoice::Discard:
      event->accept();
      return;
    case UnsavedChoice::Cancel:
      event->ignore();
      return;
  }
}

void ReportWindow::ReportFault(const QString& what, const QString& detail) {
  services_.showMessage(this, MessageIcon::Critical, detail.isEmpty() ? what : what + QLatin1Char('\n') + detail);
}

void ReportWindow::MarkSaved(bool saved) {
  saved_ = saved;
  setWindowModified(!saved);
}

}  // namespace soatnoma::ui
