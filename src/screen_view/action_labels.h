#pragma once
// The names of what the teacher can do, with their tool tips, as both the desktop and the
// page show them: opening a report, a staff list, printing, undoing and redoing, taking a
// cell back to the computed hours, zooming, saving a workbook, stopping a staff's work, the
// short how-to, and the page's own: sharing the workbook, choosing a staff list and its
// examples.
// A name marks the letter of its keyboard shortcut in a menu with "&" ("Ki&chiklashtirish");
// the desktop adds "..." where a dialog follows, the page shows the name plainly.

#include <span>
#include <string>
#include <string_view>

namespace soatnoma::screen_view {

enum class Action {
  Open,
  Roster,
  Print,
  Undo,
  Redo,
  ResetCell,
  ResetAll,
  ZoomIn,
  ZoomOut,
  FitWidth,
  Workbook,
  StaffWorkbook,
  BeforeRounding,
  Explain,
  Close,
  Stop,
  Help,
  Share,
  RosterChoose,
  RosterExample,
  RosterExampleCsv,
};

struct ActionLabel {
  Action action;
  std::string_view key;      // the page's name for it: "resetCell"
  std::string_view text;     // with "&" before the shortcut's letter
  std::string_view toolTip;  // empty: none
};

std::span<const ActionLabel> ActionLabels();
const ActionLabel& LabelOf(Action action);

// The name without its shortcut mark: "Kichiklashtirish" ("&&" stands for "&").
std::string PlainText(std::string_view text);

}  // namespace soatnoma::screen_view
