// How the report is shown on a screen in every edition: the zoom and its text, a checked
// cell's corner, the typing box's font and the names of what the teacher can do.
#include "screen_view/screen_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "screen_view/action_labels.h"

namespace soatnoma::screen_view {
namespace {

using namespace screen_view;

TEST(ScreenView, ZoomStepsWithinItsLimitsAndIsSaidInWholePercent) {
  struct Case {
    double zoom;
    int steps;
    double stepped;
    const char* text;
  };
  const Case cases[] = {
      {1, 1, 1.25, "125%"}, {1, -1, 0.8, "80%"},    {1, 2, 1.5625, "156%"},
      {3.5, 1, 4, "400%"},  {0.3, -1, 0.25, "25%"}, {0.25, -3, 0.25, "25%"},
      {0.5, 0, 0.5, "50%"}, {10, 0, 4, "400%"},     {1.006, 0, 1.006, "101%"},
  };
  for (const Case& c : cases) {
    const double stepped = SteppedZoom(c.zoom, c.steps);
    EXPECT_DOUBLE_EQ(stepped, c.stepped) << c.zoom << " " << c.steps;
    EXPECT_EQ(ZoomText(stepped), c.text) << c.zoom << " " << c.steps;
  }
  // A step in and a step out come back to where they started.
  EXPECT_EQ(SteppedZoom(SteppedZoom(0.64, 1), -1), 0.64);
  EXPECT_EQ(HeldZoom(std::nan("")), 1);
}

TEST(ScreenView, TheCheckedCellsCornerAndTheTypingBoxsFontFollowTheZoom) {
  struct Corner {
    double width;
    double height;
    double pixelsPerUnit;
    double size;
  };
  const Corner corners[] = {
      {30, 14.5, 1, 5.8},  // pixels: two fifths of the shorter side
      {30, 14.5, 4.0 / 3, 5.8},
      {8, 6, 1, 4},    // never under 4 pixels
      {8, 6, 0.5, 8},  // points at half size: 4 pixels are 8 points
  };
  for (const Corner& c : corners) {
    EXPECT_DOUBLE_EQ(MarkCornerSize(c.width, c.height, c.pixelsPerUnit), c.size) << c.width << "x" << c.height;
  }
  EXPECT_EQ(EditorFontPixels(9, 96.0 / 72), 12);
  EXPECT_EQ(EditorFontPixels(9, 4 * 96.0 / 72), 48);
  EXPECT_EQ(EditorFontPixels(9, 0.25 * 96.0 / 72), 8);
}

TEST(ActionLabels, EveryActionHasItsOwnNameAndAPlainText) {
  std::set<std::string> keys;
  for (const screen_view::ActionLabel& label : screen_view::ActionLabels()) {
    EXPECT_TRUE(keys.insert(std::string(label.key)).second) << label.key;
    EXPECT_EQ(&screen_view::LabelOf(label.action), &label) << label.key;
    EXPECT_EQ(screen_view::PlainText(label.text).find('&'), std::string::npos) << label.key;
  }
  EXPECT_EQ(screen_view::PlainText("Ki&chiklashtirish"), "Kichiklashtirish");
  EXPECT_EQ(screen_view::PlainText("&Ochish"), "Ochish");
  EXPECT_EQ(screen_view::PlainText("A && B"), "A & B");
  EXPECT_EQ(screen_view::PlainText(screen_view::LabelOf(screen_view::Action::FitWidth).text), "Sahifa eniga");
}

}  // namespace
}  // namespace soatnoma::screen_view
