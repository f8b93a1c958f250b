#pragma once
// What a screen reader says of each control of the teacher's form: its name, taken from the
// caption a sighted teacher reads beside it (the label over a box, a button's own words, an
// icon's tool tip), and a description where the caption alone says too little ("Du" is
// Monday's hours). One table for the desktop window and the page.

#include <string>
#include <string_view>

namespace soatnoma::form_controls {

// The label that names a box ("Label1" for "Text3"); empty when the control names itself.
std::string_view LabelOf(std::string_view controlName);

// The control's accessible name: its label's caption without the closing colon, its own
// caption, or (a picture or an icon) its tool tip; empty for a control that names nothing
// (a label, a frame without caption).
std::string AccessibleName(std::string_view controlName);

// What is said after the name; empty when the name says it all.
std::string_view AccessibleDescription(std::string_view controlName);
// What an empty box shows of what it wants, greyed ("raqam": the school's number);
// empty for a box that needs no hint.
std::string_view PlaceholderOf(std::string_view controlName);

}  // namespace soatnoma::form_controls
