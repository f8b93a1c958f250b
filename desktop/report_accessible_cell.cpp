#include "desktop/report_accessible_cell.h"

#include "desktop/cell_marks.h"
#include "desktop/report_accessible_table.h"
#include "desktop/report_view.h"
#include "report_sheet/cell_display.h"
#include "report_editing/correction_texts.h"
#include "model/workload_table.h"

namespace soatnoma::desktop {

ReportAccessibleCell::ReportAccessibleCell(ReportView* view, Kind kind, int row, int column)
    : view_(view), kind_(kind), row_(row), column_(column) {}

report_editing::CellPlace ReportAccessibleCell::Place() const {
  return {kind_ == Kind::ColumnHeading ? kHeadingRow : kFirstWorkRow + row_,
          kind_ == Kind::RowHeading ? static_cast<int>(col::B) : col::C + column_};
}

ReportAccessibleTable* ReportAccessibleCell::Table() const {
  return view_ ? dynamic_cast<ReportAccessibleTable*>(QAccessible::queryAccessibleInterface(view_.data())) : nullptr;
}

QWindow* ReportAccessibleCell::window() const { return view_ ? view_->window()->windowHandle() : nullptr; }

QAccessibleInterface* ReportAccessibleCell::parent() const { return Table(); }

QString ReportAccessibleCell::ShownText() const {
  if (!view_) return {};
  if (kind_ != Kind::Cell) return text(QAccessible::Name);
  return QString::fromStdString(report_sheet::DisplayedText(view_->Sheet(), Place().row, Place().column));
}

QString ReportAccessibleCell::text(QAccessible::Text kind) const {
  if (!view_) return {};
  const report_editing::CellPlace place = Place();
  switch (kind_) {
    case Kind::ColumnHeading:
      if (kind != QAccessible::Name) return {};
      return QString::fromStdString(std::string(ColumnHeading(place.column)));
    case Kind::RowHeading: {
      if (kind != QAccessible::Name) return {};
      const std::string section(SectionNumber(place.row));
      return QString::fromStdString((section.empty() ? "" : section + ". ") + std::string(RowTitle(place.row)));
    }
    case Kind::Cell: break;
  }
  switch (kind) {
    case QAccessible::Name: return QString::fromStdString(report_editing::PlaceName(place));
    case QAccessible::Value: return ShownText();
    // Why the cell is marked (its computed hours, what to check), as its tool tip says.
    case QAccessible::Description:
      return view_->Corrections() ? MarkOf(*view_->Corrections(), place).toolTip : QString();
    default: return {};
  }
}

QRect ReportAccessibleCell::rect() const {
  if (!view_) return {};
  const QRect local = view_->CellRect(Place()).toAlignedRect();
  return QRect(view_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role ReportAccessibleCell::role() const {
  switch (kind_) {
    case Kind::ColumnHeading: return QAccessible::ColumnHeader;
    case Kind::RowHeading: return QAccessible::RowHeader;
    case Kind::Cell: break;
  }
  return QAccessible::Cell;
}

QAccessible::State ReportAccessibleCell::state() const {
  QAccessible::State state;
  if (!view_) {
    state.invalid = true;
    return state;
  }
  state.readOnly = true;
  if (kind_ != Kind::Cell) return state;
  const report_editing::CellPlace place = Place();
  const report_editing::ReportCorrections* corrections = view_->Corrections();
  state.readOnly = !corrections || !corrections->IsEditable(place);
  state.focusable = true;
  state.selectable = true;
  state.selected = isSelected();
  state.focused = state.selected && view_->hasFocus();
  return state;
}

void* ReportAccessibleCell::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
  if (type == QAccessible::TextInterface && kind_ == Kind::Cell) return static_cast<QAccessibleTextInterface*>(this);
  return nullptr;
}

bool ReportAccessibleCell::isSelected() const {
  if (!view_ || kind_ != Kind::Cell || view_->IsOffTable()) return false;
  const report_editing::CellPlace current = view_->CurrentCell();
  return current.row == Place().row && current.column == Place().column;
}

QList<QAccessibleInterface*> ReportAccessibleCell::columnHeaderCells() const {
  ReportAccessibleTable* table = Table();
  if (!table || kind_ != Kind::Cell) return {};
  return {table->child(column_)};
}

QList<QAccessibleInterface*> ReportAccessibleCell::rowHeaderCells() const {
  ReportAccessibleTable* table = Table();
  if (!table || kind_ != Kind::Cell) return {};
  return {table->child(ReportAccessibleTable::kColumns + row_)};
}

}  // namespace soatnoma::desktop
