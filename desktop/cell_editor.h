#pragma once
// The box in which a cell of hours is typed, laid over the cell. Enter takes the entry and
// moves down, Tab to the right, the up and down arrows move too; Escape leaves the cell
// as it was.

#include <QLineEdit>

namespace soatnoma::desktop {

class CellEditor : public QLineEdit {
  Q_OBJECT
 public:
  explicit CellEditor(QWidget* parent);

 signals:
  // The teacher is done with the cell; then go this many rows and columns on.
  void entered(int rows, int columns);
  void cancelled();

 protected:
  bool event(QEvent* event) override;  // Tab, which would otherwise move the focus
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace soatnoma::desktop
