#include "form_controls/form_controls.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace soatnoma::form_controls {
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

}  // namespace
}  // namespace soatnoma::form_controls
