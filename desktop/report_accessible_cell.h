#pragma once
// One place of the report's accessible table: a cell of hours or a sum, named by its month
// and kind of work ("Oktabr · Dars soatlari"), its text and value what it shows, its
// description the reason for its mark; or a heading (a month above its column, a kind of
// work before its row).

#include <QAccessible>
#include <QPointer>

#include "report_editing/report_corrections.h"
#include "desktop/accessible_shown_text.h"

namespace soatnoma::desktop {

class ReportAccessibleTable;
class ReportView;

class ReportAccessibleCell : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public AccessibleShownText {
 public:
  enum class Kind { ColumnHeading, RowHeading, Cell };

  // row and column in the table: 0 .. 15 for sheet rows 5 .. 20, 0 .. 16 for columns C .. S;
  // a column heading has row -1, a row heading column -1.
  ReportAccessibleCell(ReportView* view, Kind kind, int row, int column);

  bool isValid() const override { return !view_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text kind) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  QString ShownText() const override;
  QRect ShownRect() const override { return rect(); }

  // The sheet's place of this cell, heading or row title.
  report_editing::CellPlace Place() const;

 private:
  ReportAccessibleTable* Table() const;

  QPointer<ReportView> view_;
  Kind kind_;
  int row_;
  int column_;
};

}  // namespace soatnoma::desktop
