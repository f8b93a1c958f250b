#pragma once
// Puts the controls of the form table onto a window: kind, name, caption, tool tip, font,
// alignment, place at the screen's dpi, visibility and the Tab order.

class QWidget;

namespace soatnoma::desktop {

// Builds every control of FormControls() on the form; the controls are found again by
// their names (Text2, Command1, ...). Returns nothing else: the table is the layout.
// scale: the form's enlargement on a large screen (FormScale), its fonts with it.
void BuildFormControls(QWidget& form, double logicalDpi, double scale = 1.0);

}  // namespace soatnoma::desktop
