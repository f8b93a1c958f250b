// Reference tables computed independently from the same rules: the table command prints
// each exactly, rounded and before the rounding pass, for the teacher its name gives.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cli_runner.h"
#include "reference_tables.h"

namespace soatnoma::cli {
namespace {

TEST(ReferenceTable, TheTableCommandPrintsEachExactly) {
  int printed = 0;
  for (const bool before : {false, true}) {
    for (const reference_tables::Reference& reference : reference_tables::References(before)) {
      SCOPED_TRACE(reference.file.filename().string());
      const char* category = reference.category == TeacherCategory::Upper ? "upper" : "primary";
      std::vector<std::string> args = {"table",          "--category", category,      "--weekly",
                                       reference.weekly, "--rate",     reference.rate};
      if (reference.leader) args.push_back("--leader");
      if (before) args.push_back("--before-rounding");
      std::ifstream in(reference.file, std::ios::binary);
      const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      ASSERT_FALSE(expected.empty());
      const auto result = testing::RunCliWith(args);
      EXPECT_EQ(result.status, 0);
      EXPECT_EQ(result.out, expected);
      EXPECT_EQ(result.err, "");
      ++printed;
    }
  }
  EXPECT_GE(printed, 16) << "the reference tables were not found";
}

}  // namespace
}  // namespace soatnoma::cli
