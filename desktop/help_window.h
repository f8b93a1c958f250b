#pragma once
// "Yordam": the program's short how-to (help/help_text.h) in a window of its own beside
// the form, one at a time; opened again it comes to the front at the section asked for.

#include <string_view>

class QWidget;

namespace soatnoma::desktop {

// Shows the how-to, at the section of that heading when one is named. Answers the window.
QWidget* ShowHelp(QWidget& owner, std::string_view section = {});

}  // namespace soatnoma::desktop
