#include "desktop/before_rounding_table.h"

#include <QHeaderView>

#include "explain/before_rounding_view.h"

namespace soatnoma::desktop {

BeforeRoundingTable::BeforeRoundingTable(const ToldTable& story, QWidget* parent) : QTableWidget(parent) {
  const explain::BeforeRoundingView view = explain::MakeBeforeRoundingView(story);
  setObjectName(QStringLiteral("beforeRounding"));
  const QString caption = QString::fromUtf8(explain::kBeforeRoundingCaption.data(),
                                            static_cast<qsizetype>(explain::kBeforeRoundingCaption.size()));
  setAccessibleName(caption);
  setToolTip(caption);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setRowCount(static_cast<int>(view.rows.size()));
  setColumnCount(static_cast<int>(view.headings.size()));
  QStringList headings;
  for (const std::string& heading : view.headings) headings << QString::fromStdString(heading).simplified();
  setHorizontalHeaderLabels(headings);
  QStringList titles;
  for (std::size_t r = 0; r < view.rows.size(); ++r) {
    const explain::BeforeRoundingRow& row = view.rows[r];
    titles << QString::fromStdString(row.title);
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(row.cells[c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  setVerticalHeaderLabels(titles);
  resizeColumnsToContents();
}

}  // namespace soatnoma::desktop
