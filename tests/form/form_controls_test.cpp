#include "form/form_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace soatnoma::ui {
namespace {

const ControlSpec* Find(std::string_view name) {
  for (const ControlSpec& spec : FormControls()) {
    if (spec.name == name) return &spec;
  }
  return nullptr;
}

// Every role names a control of the form, and that control has the role back.
TEST(FormControls, EveryRoleIsAControlOfTheForm) {
  for (int each = static_cast<int>(ControlRole::Rate); each <= static_cast<int>(ControlRole::Picture); ++each) {
    const auto role = static_cast<ControlRole>(each);
    const std::string_view name = ControlNamed(role);
    ASSERT_NE(Find(name), nullptr) << each;
    EXPECT_EQ(RoleOf(name), role) << name;
    EXPECT_FALSE(RoleName(role).empty()) << name;
  }
  EXPECT_EQ(RoleOf("Label3"), ControlRole::None);
  EXPECT_EQ(RoleName(ControlRole::None), "");
}

// The six day boxes, Monday first: the boxes under the captions Du .. Sh, left to right.
TEST(FormControls, DaysAreTheBoxesUnderTheWeekdaysInOrder) {
  const std::array<std::string_view, 6> captions = {"Du", "Se", "Ch", "Pa", "Ju", "Sh"};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const ControlSpec* box = Find(DayControls()[i]);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(RoleOf(box->name), ControlRole::Day);
    const auto caption = std::find_if(FormControls().begin(), FormControls().end(),
                                      [&](const ControlSpec& spec) { return spec.caption == captions[i]; });
    ASSERT_NE(caption, FormControls().end());
    EXPECT_LT(std::abs(caption->place.left - box->place.left), box->place.width) << captions[i];
  }
}

// Numbers are typed into the rate, the weekly hours and the days; the name, the school
// ("17-maktab") and the subject are text.
TEST(FormControls, WhichBoxesTakeNumbers) {
  std::map<ControlRole, bool> numbers;
  for (const ControlSpec& spec : FormControls()) {
    if (spec.kind == ControlKind::TextBox) numbers[RoleOf(spec.name)] = TakesNumbers(RoleOf(spec.name));
  }
  const std::map<ControlRole, bool> expected = {
      {ControlRole::Rate, true},  {ControlRole::WeeklyHours, true}, {ControlRole::Day, true},
      {ControlRole::Name, false}, {ControlRole::School, false},     {ControlRole::Subject, false},
  };
  EXPECT_EQ(numbers, expected);
}

// The page leaves out what only the desktop window has: the about view, the terms and the
// pictures; everything a teacher fills in or presses is in both.
TEST(FormControls, ThePageShowsEverythingATeacherUses) {
  for (const ControlSpec& spec : FormControls()) {
    const ControlRole role = RoleOf(spec.name);
    const bool desktopOnly = role == ControlRole::AboutView || role == ControlRole::Terms || role == ControlRole::Picture;
    EXPECT_EQ(ShownInThePage(role), !desktopOnly) << spec.name;
  }
}

}  // namespace
}  // namespace soatnoma::ui
