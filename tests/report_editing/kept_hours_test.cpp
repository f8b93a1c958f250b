// Hours that come as a number rather than typed (a report kept in the browser's storage) are
// taken on the terms of typed hours.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "report_editing/correction_texts.h"

namespace soatnoma {
namespace {

TEST(KeptHours, AreTakenOnTheTermsOfTypedHours) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double hours;
    bool taken;
  };
  const Case cases[] = {{0, true},     {2.5, true},        {-1, true},         {9999, true},
                        {-9999, true}, {9999.5, false},    {-10000, false},    {1e308, false},
                        {kNaN, false}, {kInfinity, false}, {-kInfinity, false}};
  for (const Case& c : cases) {
    const report_editing::HoursEntry entry = report_editing::TakeHours(c.hours);
    EXPECT_EQ(entry.hours.has_value(), c.taken) << c.hours;
    EXPECT_EQ(entry.refusal.empty(), c.taken) << c.hours;
    if (c.taken) {
      EXPECT_EQ(*entry.hours, c.hours);
    }
  }
  // Minus zero is kept as plain zero, as typed "-0" is.
  EXPECT_FALSE(std::signbit(*report_editing::TakeHours(-0.0).hours));
  EXPECT_EQ(report_editing::TakeHours(1e308).refusal, report_editing::ReadHoursEntry("1E+308").refusal);
  EXPECT_NE(report_editing::TakeHours(std::nan("")).refusal.find("son emas"), std::string::npos);
}

}  // namespace
}  // namespace soatnoma
