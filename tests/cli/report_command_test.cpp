// soatnoma-cli report: both formats for both categories, refusals, unwritable paths and
// the command line itself, in-process and as the real program without a display.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "cli_core/exit_codes.h"
#include "cli/report_command.h"
#include "cli_runner.h"
#include "report_files/xlsx_package.h"
#include "report_test_support.h"

namespace soatnoma::cli {
namespace {

using soatnoma::testing::ReadFile;
using soatnoma::testing::ScratchFolder;
using soatnoma::testing::WriteFile;

using CommandRun = testing::CliResult;

// With the clock pinned to the year, or through the command table with the year 0.
CommandRun Report(std::vector<std::string> args, int year = 2030) {
  if (year == 0) {
    args.insert(args.begin(), "report");
    return testing::RunCliWith(args);
  }
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunReportCommandAt(args, out, err, [year] { return year; });
  return {status, out.str(), err.str()};
}

std::string TitleInWorkbook(const std::string& path) {
  std::string detail;
  auto package = report_files::XlsxPackage::Open(path, detail);
  return package ? package->Read("xl/sharedStrings.xml").value_or("") : detail;
}

TEST(ReportCommand, YearComesFromTheClockUnlessGiven) {
  const ScratchFolder folder;
  const std::string path = folder.File("a.xlsx");
  ASSERT_EQ(Report({"--category", "upper", "--weekly", "20", "-o", path}, 2031).status, cli_core::kExitOk);
  EXPECT_NE(TitleInWorkbook(path).find("2031/2032 o'quv yili"), std::string::npos);
  ASSERT_EQ(Report({"--category", "upper", "--weekly", "20", "--year", "2024", "-o", path}, 2031).status,
            cli_core::kExitOk);
  EXPECT_NE(TitleInWorkbook(path).find("2024/2025 o'quv yili"), std::string::npos);
  // The texts go in exactly as given, spaces and all.
  ASSERT_EQ(Report({"--category", "upper", "--weekly", "20", "--school", " 7", "--subject", "kimyo ", "--name", "=Ism",
                    "-o", path})
                .status,
            cli_core::kExitOk);
  EXPECT_NE(TitleInWorkbook(path).find(" 7 - sonli maktabning kimyo  fani o 'qituvchisi =Ismning"), std::string::npos);
}

// Entries the report refuses and texts a workbook cannot hold, or too long for the form, are
// the teacher's input to correct: each message alone, nothing written, an earlier file kept
// (which entries and texts each check refuses is the distribution's and the form texts' own).
TEST(ReportCommand, RefusedInputWritesNothingAndKeepsAnEarlierFile) {
  struct Case {
    std::vector<std::string> args;
    const char* refusal;
  };
  const std::vector<Case> cases = {
      {{"--category", "upper", "--weekly", ""}, "Ajratilgan dars soati kiritilmadi!"},
      {{"--weekly", "20", "--name", "\xCA\xE0\xF0\xE8\xEC\xEE\xE2"}, "Familiya va ism UTF-8 kodlashda emas."},
      {{"--weekly", "20", "--school", "5\xEF\xBF\xBE"},
       "Maktab nomida yozib bo'lmaydigan belgi bor (U+FFFE yoki U+FFFF)."},
      {{"--weekly", "20", "--subject", std::string("fizika\x01", 7)}, "Fan nomida boshqaruv belgisi bor."},
  };
  const ScratchFolder folder;
  const std::string earlier = folder.File("earlier.xlsx");
  WriteFile(earlier, "earlier report");
  for (Case c : cases) {
    if (c.args.front() != "--category") c.args.insert(c.args.begin(), {"--category", "upper"});
    c.args.insert(c.args.end(), {"-o", earlier});
    const CommandRun run = Report(c.args);
    EXPECT_EQ(run.status, cli_core::kExitRefused) << c.refusal;
    EXPECT_EQ(run.err, std::string(c.refusal) + "\n");
  }
  EXPECT_EQ(ReadFile(earlier), "earlier report");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"earlier.xlsx"});
}

TEST(ReportCommand, PathThatCannotBeWrittenIsStatusThree) {
  const ScratchFolder folder;
  const std::string missing = folder.File("yo'q") + "/hisobot.pdf";
  const CommandRun run = Report({"--category", "upper", "--weekly", "20", "-o", missing});
  EXPECT_EQ(run.status, cli_core::kExitCannotWrite);
  EXPECT_EQ(run.err, "Hisobot saqlanmadi: \"" + folder.File("yo'q") + "\" papkasi topilmadi.\n");
}

// Each is refused with the usage; what is wrong, where it can be told, is said first in
// Uzbek, as every other message; a year no school year can begin in is refused.
TEST(ReportCommand, BadCommandLinesAreUsageErrors) {
  const std::string year = "soatnoma-cli: --year 2000 dan 2100 gacha bo'lgan yil bo'lishi kerak (masalan, 2025)\n";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--category", "middle", "-o", "x.pdf"}, ""},
      {{"--colour", "red", "-o", "x.pdf"}, ""},
      {{"--year", "20x5", "-o", "x.pdf"}, ""},
      {{"-o", "x.csv"}, "soatnoma-cli: -o FILE nomi .xlsx yoki .pdf bilan tugashi kerak\n"},
      {{"-o", "x.pdf", "--year", "1999"}, year},
      {{"-o", "x.xlsx", "--year", "2101"}, year},
      {{"--year", "2025"}, "soatnoma-cli: -o FILE berilmagan\n"},
  };
  for (auto [args, message] : cases) {
    if (args.front() != "--category") args.insert(args.begin(), {"--category", "upper"});
    args.insert(args.begin() + 2, {"--weekly", "20"});
    const CommandRun run = Report(args, 0);
    EXPECT_EQ(run.status, cli_core::kExitUsage) << ::testing::PrintToString(args);
    EXPECT_NE(run.err.find("soatnoma-cli report"), std::string::npos);
    EXPECT_TRUE(run.err.starts_with(message)) << run.err;
  }
  const ScratchFolder folder;
  const std::string path = folder.File("hisobot.xlsx");
  EXPECT_EQ(Report({"--category", "upper", "--weekly", "20", "--year", "2100", "-o", path}).status, cli_core::kExitOk);
  EXPECT_EQ(Report({"--category", "upper", "--weekly", "20", "--year", "2000", "-o", path}).status, cli_core::kExitOk);
}

// The real program, for a class leader of the primary classes, into a PDF whatever the
// letter case of its suffix.
TEST(ReportCommand, ProgramRunsWithoutAnyDisplay) {
  const ScratchFolder folder;
  const std::string path = folder.File("hisobot.PDF");
  const auto run = soatnoma::testing::RunTool(
      "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " + soatnoma::testing::Quoted(SOATNOMA_CLI) +
      " report --category primary --weekly 18 --leader --year 2025 -o " + soatnoma::testing::Quoted(path));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "");
  EXPECT_TRUE(ReadFile(path).starts_with("%PDF"));
}

}  // namespace
}  // namespace soatnoma::cli
