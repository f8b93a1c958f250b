#include "desktop/accessible_shown_text.h"

namespace soatnoma::desktop {

void AccessibleShownText::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}

QString AccessibleShownText::text(int startOffset, int endOffset) const {
  const QString shown = ShownText();
  if (endOffset < 0 || endOffset > shown.size()) endOffset = static_cast<int>(shown.size());
  if (startOffset < 0 || startOffset >= endOffset) return {};
  return shown.mid(startOffset, endOffset - startOffset);
}

QRect AccessibleShownText::characterRect(int offset) const {
  return offset >= 0 && offset < characterCount() ? ShownRect() : QRect();
}

int AccessibleShownText::offsetAtPoint(const QPoint& point) const {
  return characterCount() > 0 && ShownRect().contains(point) ? 0 : -1;
}

QString AccessibleShownText::attributes(int offset, int* startOffset, int* endOffset) const {
  // One run of plain text: no attributes anywhere in it.
  *startOffset = offset < 0 ? -1 : 0;
  *endOffset = offset < 0 ? -1 : characterCount();
  return {};
}

}  // namespace soatnoma::desktop
