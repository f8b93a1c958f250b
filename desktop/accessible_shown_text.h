#pragma once
// What a cell shows, offered to a screen reader as read-only text: a screen reader reads a
// table cell by its text, and its name ("Oktabr · Dars soatlari") says where it stands.

#include <QAccessible>

namespace soatnoma::desktop {

class AccessibleShownText : public QAccessibleTextInterface {
 public:
  // The text shown, and where it is drawn on the screen.
  virtual QString ShownText() const = 0;
  virtual QRect ShownRect() const = 0;

  void selection(int, int* startOffset, int* endOffset) const override;
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override { return static_cast<int>(ShownText().size()); }
  // The whole text's rectangle for each of its characters: the cell's digits are not laid
  // out one by one for the screen.
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;
};

}  // namespace soatnoma::desktop
