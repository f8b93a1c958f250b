// The report window's menus, tool bar and status line.
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include "desktop/editing_key_events.h"
#include "desktop/action_texts.h"
#include "desktop/report_view.h"
#include "screen_view/screen_view.h"
#include "desktop/report_window.h"

namespace soatnoma::desktop {

void ReportWindow::BuildActions() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Fayl"));
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Tahrir"));
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
  add(file, "openWorkbook", ActionText(screen_view::Action::Open, QStringLiteral("...")), QKeySequence::Open,
      [this] { emit openRequested(); });
  QAction* save = add(file, "saveWorkbook", QStringLiteral("&Saqlash"), QKeySequence::Save, [this] { Save(); });
  add(file, "saveWorkbookAs", QStringLiteral("&Boshqa nom bilan saqlash..."), QKeySequence::SaveAs,
      [this] { SaveAsWorkbook(); });
  QAction* pdf = add(file, "exportPdf", QStringLiteral("&PDF ga eksport..."), QKeySequence(), [this] { ExportPdf(); });
  QAction* print = add(file, "print", ActionText(screen_view::Action::Print, QStringLiteral(" (oldin ko'rib)...")),
                       QKeySequence::Print, [this] { Print(); });
  file->addSeparator();
  add(file, "closeReport", QStringLiteral("&Yopish"), QKeySequence::Close, [this] { close(); });

  QAction* zoomIn =
      add(view, "zoomIn", ActionText(screen_view::Action::ZoomIn), QKeySequence::ZoomIn, [this] { view_->ZoomIn(); });
  QAction* zoomOut = add(view, "zoomOut", ActionText(screen_view::Action::ZoomOut), QKeySequence::ZoomOut,
                         [this] { view_->ZoomOut(); });
  QAction* actual = add(view, "actualSize", QStringLiteral("&Asl o'lcham"), QKeySequence(Qt::CTRL | Qt::Key_0),
                        [this] { view_->SetZoom(1.0); });
  QAction* fitWidth = add(view, "fitWidth", ActionText(screen_view::Action::FitWidth), QKeySequence(),
                          [this] { view_->FitWidth(scroll_->viewport()->width()); });

  tools->addAction(save);
  tools->addAction(pdf);
  tools->addAction(print);
  tools->addSeparator();
  BuildEditActions(edit, tools);
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
  BuildExplanation(view, tools);
  auto showZoom = [zoomText](double zoom) { zoomText->setText(QString::fromStdString(screen_view::ZoomText(zoom))); };
  connect(view_, &ReportView::zoomChanged, zoomText, showZoom);
  showZoom(view_->Zoom());
}

void ReportWindow::BuildEditActions(QMenu* edit, QToolBar* tools) {
  QAction* undo = undo_->createUndoAction(this);
  undo->setObjectName(QStringLiteral("undo"));
  // Undo and redo take the keys of the report's editing keys, as the page does.
  undo->setShortcuts(ShortcutsOf(report_editing::EditingAction::Undo));
  QAction* redo = undo_->createRedoAction(this);
  redo->setObjectName(QStringLiteral("redo"));
  redo->setShortcuts(ShortcutsOf(report_editing::EditingAction::Redo));
  edit->addAction(undo);
  edit->addAction(redo);
  edit->addSeparator();

  resetCell_ = new QAction(ActionText(screen_view::Action::ResetCell), this);
  resetCell_->setObjectName(QStringLiteral("resetCell"));
  resetCell_->setToolTip(ActionToolTip(screen_view::Action::ResetCell));
  connect(resetCell_, &QAction::triggered, this, [this] { ResetCell(view_->CurrentCell()); });
  resetAll_ = new QAction(ActionText(screen_view::Action::ResetAll), this);
  resetAll_->setObjectName(QStringLiteral("resetAll"));
  connect(resetAll_, &QAction::triggered, this, [this] { ResetAll(); });
  QMenu* reset = edit->addMenu(ActionText(screen_view::Action::ResetCell));
  reset->setObjectName(QStringLiteral("resetMenu"));
  QAction* cellItem = reset->addAction(QStringLiteral("&Tanlangan katak"));
  cellItem->setObjectName(QStringLiteral("resetCellItem"));
  QAction* allItem = reset->addAction(QStringLiteral("&Butun hisobot"));
  allItem->setObjectName(QStringLiteral("resetAllItem"));
  connect(cellItem, &QAction::triggered, resetCell_, &QAction::trigger);
  connect(allItem, &QAction::triggered, resetAll_, &QAction::trigger);
  connect(resetCell_, &QAction::enabledChanged, cellItem, &QAction::setEnabled);
  connect(resetAll_, &QAction::enabledChanged, allItem, &QAction::setEnabled);
  connect(view_, &ReportView::currentCellChanged, this, [this](report_editing::CellPlace place) {
    resetCell_->setEnabled(!editingHeld_ && corrections_->IsCorrected(place));
  });

  // On the tool bar a short name; what would be undone is in its tool tip.
  auto shortForm = [this, tools](QAction* full, const QString& text) {
    auto* tool = new QAction(text, this);
    tool->setObjectName(full->objectName() + QStringLiteral("Tool"));
    auto follow = [tool, full] {
      tool->setEnabled(full->isEnabled());
      tool->setToolTip(full->text());
    };
    connect(full, &QAction::changed, tool, follow);
    connect(tool, &QAction::triggered, full, &QAction::trigger);
    follow();
    tools->addAction(tool);
  };
  shortForm(undo, ActionText(screen_view::Action::Undo));
  shortForm(redo, ActionText(screen_view::Action::Redo));
  tools->addAction(resetCell_);
}

void ReportWindow::BuildStatusBar(bool textsTyped) {
  emptyTexts_ = new QLabel(textsTyped ? QString::fromStdString(report_sheet::EmptyTextsNote(texts_)) : QString(), this);
  emptyTexts_->setObjectName(QStringLiteral("emptyTexts"));
  emptyTexts_->setVisible(!emptyTexts_->text().isEmpty());
  statusBar()->addPermanentWidget(emptyTexts_);
  yearTotal_ = new QLabel(this);
  yearTotal_->setObjectName(QStringLiteral("yearTotal"));
  correctionsCount_ = new QLabel(this);
  correctionsCount_->setObjectName(QStringLiteral("correctionsCount"));
  statusBar()->addPermanentWidget(correctionsCount_);
  statusBar()->addPermanentWidget(yearTotal_);
}

}  // namespace soatnoma::desktop
