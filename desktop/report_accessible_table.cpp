#include "desktop/report_accessible_table.h"

#include "desktop/report_accessible_cell.h"
#include "desktop/report_view.h"
#include "screen_view/report_grid.h"
#include "model/workload_table.h"

namespace soatnoma::desktop {

ReportAccessibleTable::ReportAccessibleTable(ReportView* view) : QAccessibleWidget(view, QAccessible::Table) {}

ReportAccessibleTable::~ReportAccessibleTable() {
  for (const auto& [where, id] : parts_) QAccessible::deleteAccessibleInterface(id);
}

ReportView& ReportAccessibleTable::View() const { return *static_cast<ReportView*>(widget()); }

void* ReportAccessibleTable::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString ReportAccessibleTable::text(QAccessible::Text kind) const {
  const QString own = QAccessibleWidget::text(kind);
  if (!own.isEmpty()) return own;
  if (kind == QAccessible::Name)
    return QString::fromUtf8(screen_view::kReportGridName.data(),
                             static_cast<qsizetype>(screen_view::kReportGridName.size()));
  return {};
}

int ReportAccessibleTable::childCount() const { return kColumns + kRows + kRows * kColumns; }

QAccessibleInterface* ReportAccessibleTable::PartAt(Part part, int row, int column) const {
  // Each part has a key of its own: headings stand in row or column -1.
  const std::pair<int, int> key{part == Part::ColumnHeading ? -1 : row, part == Part::RowHeading ? -1 : column};
  if (const auto found = parts_.find(key); found != parts_.end())
    return QAccessible::accessibleInterface(found->second);
  using Kind = ReportAccessibleCell::Kind;
  const Kind kind = part == Part::ColumnHeading ? Kind::ColumnHeading
                    : part == Part::RowHeading  ? Kind::RowHeading
                                                : Kind::Cell;
  auto* made = new ReportAccessibleCell(&View(), kind, key.first, key.second);
  parts_[key] = QAccessible::registerAccessibleInterface(made);
  return made;
}

QAccessibleInterface* ReportAccessibleTable::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  if (index < kColumns) return PartAt(Part::ColumnHeading, -1, index);
  if (index < kColumns + kRows) return PartAt(Part::RowHeading, index - kColumns, -1);
  const int cell = index - kColumns - kRows;
  return PartAt(Part::Cell, cell / kColumns, cell % kColumns);
}

int ReportAccessibleTable::indexOfChild(const QAccessibleInterface* child) const {
  const auto* cell = dynamic_cast<const ReportAccessibleCell*>(child);
  if (!cell) return -1;
  if (cell->role() == QAccessible::ColumnHeader) return cell->columnIndex();
  if (cell->role() == QAccessible::RowHeader) return kColumns + cell->rowIndex();
  return IndexOfCell(cell->rowIndex(), cell->columnIndex());
}

QAccessibleInterface* ReportAccessibleTable::cellAt(int row, int column) const {
  if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return nullptr;
  return PartAt(Part::Cell, row, column);
}

QAccessibleInterface* ReportAccessibleTable::childAt(int x, int y) const {
  const auto place = View().CellAt(View().mapFromGlobal(QPoint(x, y)));
  if (!place) return nullptr;
  return cellAt(place->row - kFirstWorkRow, place->column - col::C);
}

QAccessibleInterface* ReportAccessibleTable::focusChild() const {
  if (View().IsOffTable()) return nullptr;
  const report_editing::CellPlace current = View().CurrentCell();
  return cellAt(current.row - kFirstWorkRow, current.column - col::C);
}

QList<QAccessibleInterface*> ReportAccessibleTable::selectedCells() const {
  QAccessibleInterface* current = focusChild();
  return current ? QList<QAccessibleInterface*>{current} : QList<QAccessibleInterface*>{};
}

QString ReportAccessibleTable::columnDescription(int column) const {
  QAccessibleInterface* heading = child(column);
  return heading && column < kColumns ? heading->text(QAccessible::Name) : QString();
}

QString ReportAccessibleTable::rowDescription(int row) const {
  QAccessibleInterface* heading = row >= 0 && row < kRows ? child(kColumns + row) : nullptr;
  return heading ? heading->text(QAccessible::Name) : QString();
}

}  // namespace soatnoma::desktop
