#include "desktop/explanation_panel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "explain/cell_explanation.h"
#include "explain/report_explanation.h"

namespace soatnoma::desktop {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

ExplanationPanel::ExplanationPanel(const report_editing::ReportCorrections& corrections, const ToldTable* story,
                                   QWidget* parent)
    : QDockWidget(Utf8(explain::kExplanationTitle), parent),
      corrections_(corrections),
      story_(story),
      cell_(new QLabel),
      lines_(new QLabel) {
  setObjectName(QStringLiteral("explanationPanel"));
  setAccessibleName(Utf8(explain::kExplanationTitle));
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  cell_->setObjectName(QStringLiteral("explainedCell"));
  QFont bold = cell_->font();
  bold.setBold(true);
  cell_->setFont(bold);
  lines_->setObjectName(QStringLiteral("explanationLines"));
  lines_->setAccessibleName(Utf8(explain::kExplanationTitle));
  lines_->setTextFormat(Qt::PlainText);
  lines_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  lines_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(cell_);
  layout->addWidget(lines_, 1);
  setWidget(body);
}

void ExplanationPanel::ShowCell(report_editing::CellPlace place) {
  place_ = place;
  cell_->setText(QString::fromStdString(explain::ExplainedCellName(place)));
  const std::vector<std::string> lines = explain::ExplainReportCell(story_, corrections_, place);
  lines_->setText(QString::fromStdString(explain::JoinedLines(lines)));
  lines_->setAccessibleDescription(cell_->text());
}

QString ExplanationPanel::CellText() const { return cell_->text(); }
QString ExplanationPanel::LinesText() const { return lines_->text(); }

}  // namespace soatnoma::desktop
