// The report's editing keys, as both editions take them from the one table: each key where
// it is pressed, with what it does.
#include "report_editing/editing_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace soatnoma::report_editing {
namespace {

struct Press {
  KeyPlace place;
  std::string_view key;
  bool control;
  bool shift;
  bool alt;
  EditingAction action;
};

TEST(EditingKeys, EachKeyDoesWhatTheReportWindowDoes) {
  using A = EditingAction;
  constexpr KeyPlace kReport = KeyPlace::Report;
  constexpr KeyPlace kBox = KeyPlace::Box;
  const Press presses[] = {
      // On the report: the arrows move the choice, Home and End to the row's ends, with Ctrl
      // to the table's first and last cells; Enter and F2 open the box, Delete and
      // Backspace empty the cell; Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo.
      {kReport, "ArrowUp", false, false, false, A::MoveUp},
      {kReport, "ArrowDown", false, false, false, A::MoveDown},
      {kReport, "ArrowLeft", false, false, false, A::MoveLeft},
      {kReport, "ArrowRight", false, false, false, A::MoveRight},
      // Home and End go to the row's first and last cell of hours, with Ctrl the table's;
      // Page Up and Page Down to the column's first and last row.
      {kReport, "Home", false, false, false, A::MoveRowStart},
      {kReport, "End", false, false, false, A::MoveRowEnd},
      {kReport, "Home", true, false, false, A::MoveTableStart},
      {kReport, "End", true, false, false, A::MoveTableEnd},
      {kReport, "PageUp", false, false, false, A::MoveColumnStart},
      {kReport, "PageDown", false, false, false, A::MoveColumnEnd},
      {kReport, "Enter", false, false, false, A::Open},
      {kReport, "F2", false, false, false, A::Open},
      {kReport, "Delete", false, false, false, A::Empty},
      {kReport, "Backspace", false, false, false, A::Empty},
      // F1 on a cell tells how it came by its hours; in the box it does nothing of the table's.
      {kReport, "F1", false, false, false, A::Explain},
      {kBox, "F1", false, false, false, A::None},
      {kReport, "z", true, false, false, A::Undo},
      {kReport, "Z", true, true, false, A::Redo},
      {kReport, "z", true, true, false, A::Redo},
      {kReport, "y", true, false, false, A::Redo},
      {kReport, "Y", true, false, false, A::Redo},
      // In the box: Enter takes the entry and goes down, Shift+Enter up; the up and down
      // arrows take it too; Tab goes right, Shift+Tab left; Escape leaves the cell as it was.
      {kBox, "Enter", false, false, false, A::TakeDown},
      {kBox, "Enter", false, true, false, A::TakeUp},
      {kBox, "ArrowDown", false, false, false, A::TakeDown},
      {kBox, "ArrowUp", false, false, false, A::TakeUp},
      {kBox, "Tab", false, false, false, A::TakeRight},
      {kBox, "Tab", false, true, false, A::TakeLeft},
      {kBox, "Escape", false, false, false, A::Cancel},
      // Not editing keys: a letter or digit (it is typed), the arrows across in the box (they
      // move the caret), keys with Alt or with another modifier than the table's, and the
      // report's keys in the box and the box's on the report.
      {kReport, "7", false, false, false, A::None},
      {kBox, "ArrowLeft", false, false, false, A::None},
      {kBox, "Home", false, false, false, A::None},
      {kReport, "Home", false, true, false, A::None},
      {kReport, "z", false, false, false, A::None},
      {kReport, "z", true, false, true, A::None},
      {kReport, "Enter", false, true, false, A::None},
      {kReport, "Escape", false, false, false, A::None},
      {kBox, "Delete", false, false, false, A::None},
      {kBox, "z", true, false, false, A::None},
      {kBox, "Enter", true, false, false, A::None},
      {kReport, "End", false, true, false, A::None},
  };
  for (const Press& press : presses) {
    EXPECT_EQ(ActionOfKey(press.place, press.key, {.control = press.control, .shift = press.shift, .alt = press.alt}),
              press.action)
        << press.key << (press.control ? " +Ctrl" : "") << (press.shift ? " +Shift" : "") << (press.alt ? " +Alt" : "")
        << (press.place == kBox ? " in the box" : " on the report");
  }
}

// On a Mac the keys held with Ctrl are held with ⌘, which a browser tells as Meta: ⌘Z
// undoes, ⌘⇧Z and ⌘Y redo; ⌘ does not make another key an editing one, and Alt
// still takes the key from the table.
TEST(EditingKeys, CommandOnAMacDoesWhatCtrlDoes) {
  using A = EditingAction;
  constexpr KeyPlace kReport = KeyPlace::Report;
  EXPECT_EQ(ActionOfKey(kReport, "z", {.meta = true}), A::Undo);
  EXPECT_EQ(ActionOfKey(kReport, "Z", {.meta = true, .shift = true}), A::Redo);
  EXPECT_EQ(ActionOfKey(kReport, "y", {.meta = true}), A::Redo);
  EXPECT_EQ(ActionOfKey(kReport, "z", {.control = true, .meta = true}), A::Undo);
  EXPECT_EQ(ActionOfKey(kReport, "z", {.meta = true, .alt = true}), A::None);
  for (const EditingKey& entry : EditingKeys()) {
    const HeldKeys command{.meta = entry.control, .shift = entry.shift};
    EXPECT_EQ(ActionOfKey(entry.place, entry.key, command), entry.action) << entry.key;
    const HeldKeys commandAdded{.meta = true, .shift = entry.shift};
    const HeldKeys controlAdded{.control = true, .shift = entry.shift};
    EXPECT_EQ(ActionOfKey(entry.place, entry.key, commandAdded), ActionOfKey(entry.place, entry.key, controlAdded))
        << entry.key << " with ⌘";
  }
}

TEST(EditingKeys, EveryActionHasItsOwnNameForThePage) {
  std::set<std::string_view> names;
  const int last = static_cast<int>(EditingAction::Cancel);
  for (int action = 0; action <= last; ++action) names.insert(ActionName(static_cast<EditingAction>(action)));
  EXPECT_EQ(names.size(), static_cast<std::size_t>(last + 1));
  EXPECT_EQ(ActionName(EditingAction::TakeDown), "takeDown");
}

}  // namespace
}  // namespace soatnoma::report_editing
