// Reference tables computed independently from the same rules: each must match exactly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli_runner.h"

namespace soatnoma::cli {
namespace {

struct Reference {
  const char* file;
  std::vector<std::string> args;
};

std::string ReadFixture(const std::string& name) {
  const char* dir = std::getenv("SOATNOMA_FIXTURES");
  std::ifstream in(std::string(dir ? dir : "tests/fixtures") + "/tables/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class ReferenceTable : public ::testing::TestWithParam<Reference> {};

TEST_P(ReferenceTable, MatchesExactly) {
  const Reference& reference = GetParam();
  std::vector<std::string> args = {"table"};
  args.insert(args.end(), reference.args.begin(), reference.args.end());
  const auto expected = ReadFixture(reference.file);
  ASSERT_FALSE(expected.empty()) << reference.file;
  const auto result = testing::RunCliWith(args);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, expected);
  EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ReferenceTable,
    ::testing::Values(
        Reference{"upper_20_rate20_other.csv", {"--category", "upper", "--weekly", "20", "--rate", "20"}},
        Reference{"upper_20_rate20_leader.csv", {"--category", "upper", "--weekly", "20", "--rate", "20", "--leader"}},
        Reference{"upper_20_rate20_leader_before.csv",
                  {"--category", "upper", "--weekly", "20", "--rate", "20", "--leader", "--before-rounding"}},
        Reference{"primary_18_rate18_other.csv", {"--category", "primary", "--weekly", "18", "--rate", "18"}},
        Reference{"primary_18_rate18_leader.csv",
                  {"--category", "primary", "--weekly", "18", "--rate", "18", "--leader"}},
        Reference{"upper_10p5_rate18_other.csv", {"--category", "upper", "--weekly", "10.5", "--rate", "18"}},
        Reference{"upper_10p5_rate18_other_before.csv",
                  {"--category", "upper", "--weekly", "10.5", "--rate", "18", "--before-rounding"}},
        Reference{"upper_10_rate18_other.csv", {"--category", "upper", "--weekly", "10", "--rate", "18"}},
        Reference{"upper_24_rate20_leader.csv", {"--category", "upper", "--weekly", "24", "--rate", "20", "--leader"}},
        Reference{"upper_24_rate20_other.csv", {"--category", "upper", "--weekly", "24", "--rate", "20"}},
        Reference{"primary_22p5_rate18_other.csv", {"--category", "primary", "--weekly", "22.5", "--rate", "18"}},
        Reference{"primary_22p5_rate18_leader.csv",
                  {"--category", "primary", "--weekly", "22.5", "--rate", "18", "--leader"}},
        Reference{"upper_27_rate20_leader.csv", {"--category", "upper", "--weekly", "27", "--rate", "20", "--leader"}},
        Reference{"primary_31p5_rate18_other.csv", {"--category", "primary", "--weekly", "31.5", "--rate", "18"}},
        Reference{"upper_13_rate40_leader.csv", {"--category", "upper", "--weekly", "13", "--rate", "40", "--leader"}},
        Reference{"upper_13_rate40_leader_before.csv",
                  {"--category", "upper", "--weekly", "13", "--rate", "40", "--leader", "--before-rounding"}}),
    [](const ::testing::TestParamInfo<Reference>& param) {
      std::string name = param.param.file;
      name = name.substr(0, name.find('.'));
      return name;
    });

}  // namespace
}  // namespace soatnoma::cli
