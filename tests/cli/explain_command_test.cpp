#include <gtest/gtest.h>

#include "cli_runner.h"

namespace soatnoma::cli {
namespace {

using testing::RunCliWith;

// October's lessons of an upper-class leader with 27 hours at rate 20: 116,1 computed, the
// fraction September's last cell gave taken in, the rest given on, 116 whole.
TEST(ExplainCommand, TellsHowACellCameByItsHours) {
  const auto result =
      RunCliWith({"explain", "--category", "upper", "--weekly", "27", "--rate", "20", "--leader", "D8"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "D8 \u00B7 Oktabr \u00B7 Dars soatlari\n"
            "Haftalik 27 soat \u00D7 me'yor 86 \u00F7 stavka 20 = 116,1\n"
            "Oldingi katakdan (Sentabr \u00B7 Boshqa tadbirlar) +0,25 olindi\n"
            "0,35 keyingi katakka (Oktabr \u00B7 Yozma ishlar tekshiruvi) berildi\n"
            "Yaxlitlangani: 116\n");
  // A total of the weekly hours' correction: its months, then the correction, then the total.
  const auto total = RunCliWith({"explain", "--category", "upper", "--weekly", "24", "J8"});
  ASSERT_EQ(total.status, 0) << total.err;
  EXPECT_EQ(total.out,
            "J8 \u00B7 2-chorak \u00B7 Dars soatlari\n"
            "Dekabr, Yanvar, Fevral yig'indisi\n"
            "104 + 77 + 96 = 277\n"
            "Tuzatish: -1 (haftalik 24 soat qoidasi)\n"
            "Jami: 276\n");
}

TEST(ExplainCommand, RefusesACommandLineWithoutOneCellOfTheTable) {
  const std::vector<std::vector<std::string>> wrong = {
      {"explain", "--category", "upper", "--weekly", "20"},
      {"explain", "--category", "upper", "--weekly", "20", "B8"},
      {"explain", "--category", "upper", "--weekly", "20", "C21"},
      {"explain", "--category", "upper", "--weekly", "20", "C8", "D8"},
      {"explain", "--category", "upper", "C8"},
  };
  for (const auto& args : wrong) {
    const auto result = RunCliWith(args);
    EXPECT_EQ(result.status, 64) << args.back();
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("soatnoma-cli: "), std::string::npos);
  }
  EXPECT_EQ(RunCliWith({"explain", "--category", "upper", "--weekly", "5", "C8"}).status, 2);
}

}  // namespace
}  // namespace soatnoma::cli
