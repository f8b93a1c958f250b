#pragma once
// Puts the controls of the form table onto a window: kind, name, caption, tool tip, font,
// alignment, place at the screen's dpi, visibility and the Tab order.

class QWidget;

namespace soatnoma::ui {

// Builds every control of FormControls() on the form; the controls are found again by
// their names (Text2, Command1, ...). Returns nothing else: the table is the layout.
void BuildFormControls(QWidget& form, double logicalDpi);

}  // namespace soatnoma::ui
