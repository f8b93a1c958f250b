// soatnoma-cli batch over a staff workbook that was corrected since it was made: the
// corrections of the teachers whose rows are as they were are in the new workbook, marked
// and in "Jami"'s totals; the teachers whose corrections are not carried are named on
// stderr; the exit status is what it would be without them.
#include <gtest/gtest.h>

#include "corrected_staff_sheet.h"
#include "cli_runner.h"
#include "cli_core/exit_codes.h"
#include "report_editing/report_corrections.h"
#include "report_test_support.h"
#include "staff_files/staff_document.h"

namespace soatnoma::cli {
namespace {

using soatnoma::testing::ScratchFolder;
using soatnoma::testing::WriteFile;

constexpr report_editing::CellPlace kC8 = staff_files::testing::kCorrectedCell;
constexpr std::string_view kHeadings = "ism,maktab,fan,toifa,soat,stavka,rahbar\n";

testing::CliResult BatchInto(const ScratchFolder& folder, const std::string& rows, const std::string& output) {
  WriteFile(folder.File("royxat.csv"), std::string(kHeadings) + rows);
  return testing::RunBatchAt({folder.File("royxat.csv"), "-o", output, "--year", "2025"}, 2031);
}

TEST(BatchCarry, CorrectionsOfUnchangedRowsAreKeptAndTheOthersNamed) {
  const ScratchFolder folder;
  const std::string book = folder.File("kitob.xlsx");
  const std::string ali = "Ali Valiyev,12,fizika,yuqori,24,,ha\n";
  const std::string others = "Vali Aliyev,12,tarix,yuqori,18,,\nHasan Karimov,12,kimyo,yuqori,20,,\n";
  ASSERT_EQ(BatchInto(folder, ali + others, book).status, cli_core::kExitOk);
  const auto computed = staff_files::testing::CorrectStaffSheet(book, "Ali Valiyev", 2);
  ASSERT_TRUE(computed);
  ASSERT_TRUE(staff_files::testing::CorrectStaffSheet(book, "Vali Aliyev", 1));
  ASSERT_TRUE(staff_files::testing::CorrectStaffSheet(book, "Hasan Karimov", 3));

  // A new teacher first, Vali's hours changed, Hasan gone: only Ali's correction can stay.
  const std::string newcomer = "Yangi Ustoz,12,fizika,yuqori,20,,\n";
  const auto again = BatchInto(folder, newcomer + ali + "Vali Aliyev,12,tarix,yuqori,19,,\n", book);
  EXPECT_EQ(again.status, cli_core::kExitOk);
  EXPECT_EQ(again.err,
            "tuzatishlar ko'chirilmadi: \"Vali Aliyev\" (\"Vali Aliyev\" varag'i): ro'yxatdagi qatori o'zgargan\n"
            "tuzatishlar ko'chirilmadi: \"Hasan Karimov\" (\"Hasan Karimov\" varag'i): ro'yxatda yo'q\n"
            "1 ta o'qituvchining tuzatishlari yangi kitobga ko'chirildi.\n");

  const auto listing = std::get<staff_files::StaffWorkbookListing>(staff_files::OpenReportOrStaff(book));
  ASSERT_EQ(listing.teachers.size(), 3u);
  workbook_package::OpenedReport opened =
      std::get<workbook_package::OpenedReport>(staff_files::OpenStaffSheet(book, "Ali Valiyev"));
  const report_editing::ReportCorrections reopened(opened.sheet, opened.notes);
  EXPECT_EQ(opened.sheet.Cells().ReadNumber(kC8.row, kC8.column), *computed + 2);
  EXPECT_EQ(reopened.CorrectedCells(), std::vector<report_editing::CellPlace>{kC8});
  EXPECT_EQ(listing.teachers[1].annualTotal, reopened.ComputedYearTotal() + 2);  // "Jami" holds the corrected total
}

}  // namespace
}  // namespace soatnoma::cli
