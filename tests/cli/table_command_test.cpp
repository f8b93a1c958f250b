#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "cli_runner.h"

namespace soatnoma::cli {
namespace {

using testing::RunCliWith;

// The lines and fields of a table are the reference tables' test, every rate given there; the
// default rate of primary-class teachers is 18: row 6 keeps 20 × 78 ÷ 18 unrounded.
TEST(TableCommand, TakesTheCategorysDefaultRate) {
  const auto result = RunCliWith({"table", "--category", "primary", "--weekly", "20"});
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(result.out.substr(result.out.find('\n') + 1, 17), "86.66666666666667");
}

TEST(TableCommand, TakesTheWeeklyTextExactlyAsTyped) {
  const auto plain = RunCliWith({"table", "--category", "upper", "--weekly", "24"});
  const auto spaced = RunCliWith({"table", "--category", "upper", "--weekly=  24"});
  ASSERT_EQ(plain.status, 0);
  ASSERT_EQ(spaced.status, 0);
  EXPECT_NE(plain.out, spaced.out);  // only "24" itself takes the correction
}

// Which entries are refused and why is the distribution's own table; the command prints
// its message alone, on stderr, with status 2, also for a weekly text given empty.
TEST(TableCommand, RefusedInputPrintsOnlyTheMessage) {
  const auto result = RunCliWith({"table", "--category", "upper", "--weekly", ""});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "Ajratilgan dars soati kiritilmadi!\n");
}

TEST(TableCommand, BadCommandLinesGiveTheUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"tabel"},
      {"table"},
      {"table", "--weekly", "20"},
      {"table", "--category", "middle", "--weekly", "20"},
      {"table", "--category", "upper", "--weekly"},
      {"table", "--category", "upper", "--weekly", "20", "--weekly", "21"},
      {"table", "--category", "upper", "--weekly", "20", "--leader=1"},
      {"table", "--category", "upper", "--weekly", "20", "extra"},
  };
  for (const auto& args : cases) {
    const auto result = RunCliWith(args);
    EXPECT_EQ(result.status, 64);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Foydalanish:"), std::string::npos);
  }
}

TEST(TableCommand, HelpAndVersion) {
  const auto help = RunCliWith({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("soatnoma-cli table --category upper|primary --weekly TEXT"), std::string::npos);
  EXPECT_EQ(RunCliWith({"table", "--help"}).status, 0);
  const auto version = RunCliWith({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("soatnoma-cli ", 0), 0u);
}

struct ProgramRun {
  int status = -1;
  std::string told;  // what the command line printed
};

// The real program through the shell.
ProgramRun RunProgram(const std::string& commandLine) {
  ProgramRun run;
  FILE* pipe = ::popen(commandLine.c_str(), "r");
  if (pipe == nullptr) return run;
  for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) run.told += static_cast<char>(c);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Output that never reached its file (a full disk) is status 3 with the reason.
TEST(TableCommand, OutputLostOnAFullDiskIsNoSuccess) {
  for (const char* args : {"table --category upper --weekly 20", "--help", "--version"}) {
    const ProgramRun run = RunProgram(std::string(SOATNOMA_CLI) + " " + args + " 2>&1 >/dev/full");
    EXPECT_EQ(run.status, 3) << args;
    EXPECT_EQ(run.told, "soatnoma-cli: natija chiqarilmadi (diskda joy qolmadi).\n") << args;
  }
}

// The table, --help and --version load no Qt library, as the dynamic loader's own trace
// tells; a report, which draws the form, does.
TEST(TableCommand, StartsWithoutLoadingQt) {
  for (const char* args : {"table --category upper --weekly 20", "--help", "--version", "report --help"}) {
    const ProgramRun run = RunProgram("LD_DEBUG=libs " + std::string(SOATNOMA_CLI) + " " + args + " 2>&1 >/dev/null");
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_NE(run.told.find("calling init:"), std::string::npos) << args;  // the trace is there
    EXPECT_EQ(run.told.find("libQt6"), std::string::npos) << args;
  }
  char folder[] = "/tmp/soatnoma-cli-XXXXXX";
  ASSERT_NE(::mkdtemp(folder), nullptr);
  const std::string pdf = std::string(folder) + "/hisobot.pdf";
  const ProgramRun report = RunProgram("LD_DEBUG=libs " + std::string(SOATNOMA_CLI) +
                                       " report --category upper --weekly 20 -o " + pdf + " 2>&1 >/dev/null");
  EXPECT_EQ(report.status, 0) << report.told.substr(report.told.size() -
                                                    std::min<std::size_t>(report.told.size(), 2000));
  EXPECT_NE(report.told.find("libQt6Gui"), std::string::npos);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace soatnoma::cli
