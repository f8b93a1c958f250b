#pragma once
// The accessible table of a report view and its cells: rows 5 to 20 of the workload table
// by columns C to S, with the headings of row 4 above the columns and the kinds of work
// (columns A and B) before the rows.

#include <map>
#include <utility>

#include <QAccessibleWidget>

#include "report_sheet/report_sheet.h"

namespace soatnoma::desktop {

class ReportView;

class ReportAccessibleTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  static constexpr int kRows = 16;     // sheet rows 5 .. 20
  static constexpr int kColumns = 17;  // sheet columns C .. S

  explicit ReportAccessibleTable(ReportView* view);
  ~ReportAccessibleTable() override;

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text kind) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // The table's children: the column headings, the row headings, then the cells row by row.
  int IndexOfCell(int row, int column) const { return kColumns + kRows + row * kColumns + column; }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override { return 1; }
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override;
  int columnCount() const override { return kColumns; }
  int rowCount() const override { return kRows; }
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  ReportView& View() const;

 private:
  enum class Part { ColumnHeading, RowHeading, Cell };
  // Made when first asked for and kept, registered with Qt, until the table goes.
  QAccessibleInterface* PartAt(Part part, int row, int column) const;

  mutable std::map<std::pair<int, int>, QAccessible::Id> parts_;
};

}  // namespace soatnoma::desktop
