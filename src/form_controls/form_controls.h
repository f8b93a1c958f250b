#pragma once
// Every control of the teacher's form: where it stands, what it says and in which order Tab
// visits it. Positions are in twips (1/1440 inch) relative to the control's container, as
// the form was drawn. Plain data, shared by the desktop window and the browser's page.

#include <cstddef>
#include <span>
#include <string_view>

namespace soatnoma::form_controls {

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

// What a control is for, whatever its name: the desktop window and the page find the
// weekly hours, the days or the run buttons by it.
enum class ControlRole {
  None,         // a caption, a frame
  Rate,         // the rate in hours a week of one full post
  WeeklyHours,  // the teacher's lesson hours a week
  Name,
  School,
  Subject,
  Day,      // the lesson hours of one weekday, Monday first
  Primary,  // the category options
  Upper,
  ClassLeader,
  RunUpper,  // the run buttons, one above the other
  RunPrimary,
  AboutView,  // the about view and its credit line, over the input frame
  Terms,      // the terms of use
  Picture,    // the clock and the book pictures
};

// The form's client area.
inline constexpr TwipsRect kClientArea{0, 0, 4935, 3630};

inline constexpr double kTwipsPerInch = 1440;
// A screen's standard pixels (96 to the inch, CSS's pixel): 15 twips each.
inline constexpr double kStandardPixelsPerInch = 96;
inline constexpr double kTwipsPerStandardPixel = kTwipsPerInch / kStandardPixelsPerInch;

// Every control in creation order; a later control lies above an earlier one.
std::span<const ControlSpec> FormControls();

ControlRole RoleOf(std::string_view controlName);
// The control with the role; for Day, Monday's box.
std::string_view ControlNamed(ControlRole role);
// The day boxes, Monday to Saturday.
inline constexpr std::size_t kDayCount = 6;
std::span<const std::string_view, kDayCount> DayControls();
// A box a teacher types numbers into: on a phone it opens the number keys.
bool TakesNumbers(ControlRole role);
// A control the page shows too; the about view, the terms and the pictures are the
// desktop window's own.
bool ShownInThePage(ControlRole role);
// The role's name as the page knows it: "weeklyHours", "day", ...; "" for None.
std::string_view RoleName(ControlRole role);
}  // namespace soatnoma::form_controls
