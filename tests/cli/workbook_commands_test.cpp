// soatnoma-cli list and pdf: a staff workbook as the deputy director left it, one teacher
// corrected, listed with the totals "Jami" stores and printed with the correction; a
// workbook "Ochish" would refuse is status 2 with its reason, a PDF that cannot be written
// status 3, and a command line that is wrong 64, nothing written.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "cli_core/exit_codes.h"
#include "cli_runner.h"
#include "corrected_workbook.h"
#include "model/number_text.h"
#include "report_files/xlsx_writer.h"
#include "report_test_support.h"

namespace soatnoma::cli {
namespace {

using soatnoma::testing::PdfPages;
using soatnoma::testing::PdfPageText;
using soatnoma::testing::Quoted;
using soatnoma::testing::ReadFile;
using soatnoma::testing::RunTool;
using soatnoma::testing::ScratchFolder;
using soatnoma::testing::WriteFile;
using staff_files::testing::CorrectedYearTotals;
using staff_files::testing::kSheetNames;
using testing::RunCliWith;

TEST(WorkbookCommands, ListNamesEveryTeacherOnALineOfItsOwnWithTheStoredTotal) {
  const ScratchFolder folder;
  const std::string book = folder.File("xodimlar.xlsx");
  staff_files::testing::WriteCorrectedStaffWorkbook(book);
  const std::vector<double> totals = CorrectedYearTotals();
  // The third teacher's name holds a line break in the list: escaped, it stays on its line.
  const std::vector<std::string> names = {"Karimova; Dilnoza", "Oʻtkir Toshmatov", "Ko'p\\r\\nqatorli \"Ism\"",
                                          "Karimova; Dilnoza"};
  std::string expected;
  for (std::size_t i = 0; i < names.size(); ++i) {
    expected += kSheetNames[i + 1] + "\t" + names[i] + "\t" + NumberToText(totals[i]) + "\n";
  }
  const auto listed = RunCliWith({"list", book});
  EXPECT_EQ(listed.status, cli_core::kExitOk) << listed.err;
  EXPECT_EQ(listed.out, expected);
  EXPECT_EQ(listed.err, "");

  // The same through the light program, which hands it to the one that reads workbooks.
  const auto run = RunTool(Quoted(SOATNOMA_CLI) + " list " + Quoted(book) + " 2>/dev/null");
  EXPECT_EQ(run.status, cli_core::kExitOk);
  EXPECT_EQ(run.output, expected);
}

// The workbook printed as it stands (what the pages hold, the correction included, is the
// workbook PDF's own test); a teacher's sheet pasted as values elsewhere is said on stderr
// with its sheet's name, and the command still succeeds.
TEST(WorkbookCommands, PdfSaysASheetPastedAsValues) {
  const ScratchFolder folder;
  const std::string book = folder.File("xodimlar.xlsx");
  staff_files::testing::WriteCorrectedStaffWorkbook(book);
  ASSERT_TRUE(staff_files::testing::PasteAsValues(book, "xl/worksheets/sheet3.xml"));
  const auto run = RunCliWith({"pdf", book, "-o", folder.File("xodimlar.pdf")});
  ASSERT_EQ(run.status, cli_core::kExitOk) << run.err;
  EXPECT_TRUE(run.err.starts_with("\"" + kSheetNames[2] + "\": Varaqdagi ")) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;  // that sheet only
  EXPECT_EQ(PdfPages(folder.File("xodimlar.pdf")), 5);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"xodimlar.pdf", "xodimlar.xlsx"}));  // nothing left beside
}

// The last teacher's row of "Jami" left pointing at a deleted sheet: list names the row and
// the sheet it no longer opens, each with no total and the reason; pdf prints "Jami" as it
// stores it and the pages of the teachers that open, and nothing for the rest.
TEST(WorkbookCommands, RowsThatOpenNoSheetAreListedWithTheirReasonAndNotPrinted) {
  const ScratchFolder folder;
  const std::string book = folder.File("xodimlar.xlsx");
  staff_files::testing::WriteCorrectedStaffWorkbook(book);
  staff_files::testing::EditPart(book, "xl/worksheets/sheet1.xml", "<f>'" + kSheetNames[4] + "'!S5</f>",
                                 "<f>#REF!</f>");
  const std::vector<double> totals = CorrectedYearTotals();
  const auto listed = RunCliWith({"list", book});
  ASSERT_EQ(listed.status, cli_core::kExitOk) << listed.err;
  const std::vector<std::string> line = testing::Lines(listed.out);
  ASSERT_EQ(line.size(), 5u);  // five entries, no more
  EXPECT_EQ(line[1], kSheetNames[2] + "\tOʻtkir Toshmatov\t" + NumberToText(totals[1]));
  EXPECT_EQ(line[3], "\tKarimova; Dilnoza\t\tyillik jami o'chirilgan varaqqa ishora qiladi (#REF!), ochib bo'lmaydi.");
  EXPECT_TRUE(line[4].starts_with(kSheetNames[4] + "\t\t\t")) << line[4];
  EXPECT_NE(line[4].find("ochib bo'lmaydi."), std::string::npos) << line[4];

  const std::string pdf = folder.File("xodimlar.pdf");
  const auto printed = RunCliWith({"pdf", book, "-o", pdf});
  ASSERT_EQ(printed.status, cli_core::kExitOk) << printed.err;
  EXPECT_EQ(PdfPages(pdf), 4);  // "Jami" and the three teachers that open
  // The staff's total still adds the row as "Jami" stores it.
  const double staffTotal = totals[0] + totals[1] + totals[2] + totals[3];
  EXPECT_NE(PdfPageText(pdf, 1).find(NumberToText(staffTotal)), std::string::npos) << NumberToText(staffTotal);
}

// What "Ochish" refuses is status 2 with its reason (which reasons is the workbook PDF's own
// test), a PDF that cannot be written 3 and a wrong command line 64, the workbook itself
// as the PDF by a link among them: nothing written, nothing on stdout. A report workbook
// prints as its one page; --help names both commands.
TEST(WorkbookCommands, EachRefusalHasItsStatusAndWritesNothing) {
  const ScratchFolder folder;
  const std::string book = folder.File("bitta.xlsx");
  ASSERT_TRUE(report_files::SaveXlsx(staff_files::testing::ExpectedReports(2025)[0], book).ok);
  WriteFile(folder.File("yot.xlsx"), "PK\x03\x04 not a workbook");
  std::filesystem::create_hard_link(book, folder.File("havola.pdf"));
  const std::string before = ReadFile(book);
  const std::string notStaff = "\"bitta.xlsx\" ochilmadi: bu Soatnoma yozgan xodimlar kitobi emas.";
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string told;
  };
  const Case cases[] = {
      {{"list", book}, cli_core::kExitRefused, notStaff},
      {{"list", folder.File("yot.xlsx")}, cli_core::kExitRefused, "\"yot.xlsx\" ochilmadi"},
      {{"list"}, cli_core::kExitUsage, ""},
      {{"list", "a.xlsx", "b.xlsx"}, cli_core::kExitUsage, ""},
      {{"list", "a.xlsx", "-o", "b.pdf"}, cli_core::kExitUsage, ""},
      {{"pdf", folder.File("yot.xlsx"), "-o", folder.File("a.pdf")}, cli_core::kExitRefused, "\"yot.xlsx\" ochilmadi"},
      {{"pdf", book, "-o", folder.File("yoq/a.pdf")}, cli_core::kExitCannotWrite, ""},
      {{"pdf", book}, cli_core::kExitUsage, ""},
      {{"pdf", book, "-o", folder.File("a.xlsx")}, cli_core::kExitUsage, ""},
      {{"pdf", book, folder.File("yot.xlsx"), "-o", folder.File("a.pdf")}, cli_core::kExitUsage, ""},
      {{"pdf", book, "-o", folder.File("havola.pdf")}, cli_core::kExitUsage, ""},
  };
  for (const Case& each : cases) {
    const auto run = RunCliWith(each.args);
    EXPECT_EQ(run.status, each.status) << each.args.back() << run.err;
    EXPECT_EQ(run.out, "") << each.args.back();
    EXPECT_NE(run.err, "") << each.args.back();
    EXPECT_NE(run.err.find(each.told), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadFile(book), before);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"bitta.xlsx", "havola.pdf", "yot.xlsx"}));
  ASSERT_EQ(RunCliWith({"pdf", book, "-o", folder.File("bitta.pdf")}).status, cli_core::kExitOk);
  EXPECT_EQ(PdfPages(folder.File("bitta.pdf")), 1);
  const std::string help = RunCliWith({"--help"}).out;
  EXPECT_NE(help.find("soatnoma-cli list BOOK.xlsx\n"), std::string::npos);
  EXPECT_NE(help.find("soatnoma-cli pdf BOOK.xlsx -o OUT.pdf\n"), std::string::npos);
}

}  // namespace
}  // namespace soatnoma::cli
