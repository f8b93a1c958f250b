#pragma once
// Every control of the teacher's form: where it stands, what it says and in which order Tab
// visits it. Positions are in twips (1/1440 inch) relative to the control's container, as
// the form was drawn. Plain data, shared by the desktop window and the browser's page.

#include <span>
#include <string_view>

namespace soatnoma::ui {

enum class ControlKind { Label, CreditLine, TextBox, HelpTextBox, Frame, OptionButton, CheckBox, Button, Picture };

// Bold 8.25 pt for labels, run buttons and the check box; bold 9.75 pt for the boxes a
// teacher types numbers and the name into; the window's own 8.25 pt for the rest, and for
// the help text narrowed a little, so that each of its lines fits the box as it was written.
enum class ControlFont { Window, Caption, Entry, Help };

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int kNoTabStop = -1;

struct ControlSpec {
  std::string_view name;
  ControlKind kind = ControlKind::Label;
  std::string_view container;  // empty: the window itself
  std::string_view caption;
  std::string_view toolTip;
  TwipsRect place;
  int tabIndex = kNoTabStop;
  ControlFont font = ControlFont::Window;
  bool centred = false;
  bool shownAtStart = true;
};

// The form's client area.
inline constexpr TwipsRect kClientArea{0, 0, 4935, 3630};

// Every control in creation order; a later control lies above an earlier one.
std::span<const ControlSpec> FormControls();
}  // namespace soatnoma::ui
