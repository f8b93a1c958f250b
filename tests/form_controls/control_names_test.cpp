#include "form_controls/control_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "form_controls/form_controls.h"

namespace soatnoma::form_controls {
namespace {

const ControlSpec& SpecOf(std::string_view name) {
  for (const ControlSpec& spec : FormControls()) {
    if (spec.name == name) return spec;
  }
  ADD_FAILURE() << "no control " << name;
  return FormControls().front();
}

// A box is named by the caption a sighted teacher reads at it: a label of the same frame,
// just above the box or on its left, and no label names two boxes (that every control Tab
// reaches, and every picture, has a name is the desktop's accessibility test).
TEST(ControlNames, BoxesAreNamedByTheLabelBesideThem) {
  std::vector<std::string_view> labels;
  for (const ControlSpec& box : FormControls()) {
    if (box.kind != ControlKind::TextBox) continue;
    const std::string_view labelName = form_controls::LabelOf(box.name);
    ASSERT_FALSE(labelName.empty()) << box.name;
    const ControlSpec& label = SpecOf(labelName);
    EXPECT_EQ(label.kind, ControlKind::Label) << box.name;
    EXPECT_EQ(label.container, box.container) << box.name;
    const bool above = label.place.top < box.place.top && label.place.left < box.place.left + box.place.width &&
                       box.place.left < label.place.left + label.place.width;
    const bool onTheLeft = label.place.left + label.place.width <= box.place.left + 30 &&
                           label.place.top < box.place.top + box.place.height &&
                           box.place.top < label.place.top + label.place.height;
    EXPECT_TRUE(above || onTheLeft) << box.name << " named by " << labelName;
    EXPECT_EQ(std::count(labels.begin(), labels.end(), labelName), 0) << labelName;
    labels.push_back(labelName);
  }
}

// The name is the caption as read, without its colon; a day box says which day it is.
TEST(ControlNames, NamesReadAsTheCaptions) {
  EXPECT_EQ(AccessibleName("Text6"), "Maktab №");
  EXPECT_EQ(AccessibleName("Text2"), "Ajratilgan dars soati");
  EXPECT_EQ(AccessibleName("Text7"), "Du");
  EXPECT_NE(AccessibleDescription("Text7").find("dushanba"), std::string_view::npos);
  EXPECT_EQ(AccessibleName("Command3"), "Foydalanish shartlari");  // an icon: its tool tip
  EXPECT_EQ(AccessibleName("Check1"), "Sinf rahbarligi");
  EXPECT_EQ(AccessibleName("Label1"), "");
}

}  // namespace
}  // namespace soatnoma::form_controls
