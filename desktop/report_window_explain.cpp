// The report window's explanations: the "Hisob tafsiloti" panel of the current cell, F1 on a
// cell, and the "Hisoblangani" view of the whole report before rounding. On the screen only.
#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolTip>

#include "desktop/action_texts.h"
#include "desktop/before_rounding_table.h"
#include "desktop/explanation_panel.h"
#include "desktop/report_view.h"
#include "desktop/report_window.h"
#include "explain/cell_explanation.h"
#include "explain/report_explanation.h"
#include "model/workload_table.h"

namespace soatnoma::desktop {

void ReportWindow::BuildExplanation(QMenu* view, QToolBar* tools) {
  explanation_ = new ExplanationPanel(*corrections_, story_.get(), this);
  addDockWidget(Qt::BottomDockWidgetArea, explanation_);
  QAction* panel = explanation_->toggleViewAction();
  panel->setObjectName(QStringLiteral("explanationPanelShown"));
  panel->setText(ActionText(screen_view::Action::Explain));
  panel->setToolTip(ActionToolTip(screen_view::Action::Explain));
  view->addSeparator();
  view->addAction(panel);
  connect(view_, &ReportView::currentCellChanged, explanation_, &ExplanationPanel::ShowCell);
  connect(this, &ReportWindow::reportChanged, explanation_, [this] { explanation_->ShowCell(view_->CurrentCell()); });
  connect(view_, &ReportView::explainRequested, this, &ReportWindow::ExplainCell);
  explanation_->ShowCell(view_->CurrentCell());

  beforeRounding_ = new QAction(ActionText(screen_view::Action::BeforeRounding), this);
  beforeRounding_->setObjectName(QStringLiteral("beforeRoundingShown"));
  beforeRounding_->setCheckable(true);
  beforeRounding_->setToolTip(
      story_ ? ActionToolTip(screen_view::Action::BeforeRounding)
             : QString::fromUtf8(explain::kNoStory.data(), static_cast<qsizetype>(explain::kNoStory.size())));
  beforeRounding_->setEnabled(story_ != nullptr);
  connect(beforeRounding_, &QAction::toggled, this, &ReportWindow::ShowBeforeRounding);
  view->addAction(beforeRounding_);
  tools->addSeparator();
  tools->addAction(beforeRounding_);
}

bool ReportWindow::ShowsBeforeRounding() const { return pages_->currentWidget() != scroll_; }

void ReportWindow::ShowBeforeRounding(bool shown) {
  if (!shown || !story_) {
    pages_->setCurrentWidget(scroll_);
    view_->setFocus();
    return;
  }
  // Made anew each time: the story is the run's and never changes, the table is cheap.
  while (pages_->count() > 1) {
    QWidget* old = pages_->widget(1);
    pages_->removeWidget(old);
    old->deleteLater();
  }
  auto* table = new BeforeRoundingTable(*story_, pages_);
  pages_->addWidget(table);
  pages_->setCurrentWidget(table);
  table->setCurrentCell(view_->CurrentCell().row - kFirstWorkRow, view_->CurrentCell().column - col::C);
  table->setFocus();
}

void ReportWindow::ExplainCell(report_editing::CellPlace place) {
  explanation_->ShowCell(place);
  explanation_->show();
  explanation_->raise();
  const QRect cell = view_->CellRect(place).toAlignedRect();
  std::string tip = explain::CellToolTip(story_.get(), *corrections_, place);
  // A report opened from a file with nothing to mark there says at least that it knows no run.
  if (tip.empty()) tip = explain::JoinedLines(explain::ExplainReportCell(nullptr, *corrections_, place));
  const QString text = QString::fromStdString(tip);
  QToolTip::showText(view_->mapToGlobal(cell.bottomLeft()), text, view_, cell);
}

}  // namespace soatnoma::desktop
