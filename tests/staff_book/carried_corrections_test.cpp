// A staff workbook made again over a corrected one: which teachers keep their corrections
// (their row of the list as it was, wherever it moved), which cannot and why, and a new
// report with the corrections put in, its totals following and its notes as the program
// computes now.
#include "staff_book/carried_corrections.h"

#include <gtest/gtest.h>

#include "report_editing/report_corrections.h"
#include "model/workload_table.h"
#include "school_staff.h"

namespace soatnoma::staff_book {
namespace {

using testing::ReportOf;
using testing::Teacher;

// The earlier workbook's summary, as a workbook stores it, and its sheets' names.
struct EarlierBook {
  std::vector<StoredSheetCell> summary;
  std::vector<std::string> sheets;
};

EarlierBook Earlier(const std::vector<roster_rules::RosterTeacher>& teachers) {
  StaffBook book(2025);
  EarlierBook earlier;
  for (const roster_rules::RosterTeacher& teacher : teachers)
    earlier.sheets.push_back(book.Add(teacher, ReportOf(teacher)));
  earlier.summary = testing::Stored(book.Summary());
  return earlier;
}

workbook_package::CustomProperty Note(const std::string& sheet, int row, int column, double computed) {
  return {workbook_package::SheetComputedHoursPropertyName(sheet, row, column), {}, computed};
}

const std::vector<roster_rules::RosterTeacher> kStaff = {
    Teacher("Ali Valiyev", "24"), Teacher("Vali Aliyev", "18", true), Teacher("Hasan Karimov", "22.5"),
    Teacher("Ali Valiyev", "24")};

TEST(CarriedCorrections, OnlyCorrectedTeachersAreReadWithTheirRowAndCells) {
  const EarlierBook earlier = Earlier(kStaff);
  const std::vector<workbook_package::CustomProperty> properties = {
      {"Soatnoma", std::string(kStaffWorkbookMark), std::nullopt},
      Note(earlier.sheets[2], 9, col::D, 7),
      Note(earlier.sheets[2], 8, col::C, 5),
      Note(earlier.sheets[1], 8, col::C, 3)};
  std::vector<CorrectedTeacher> corrected = CorrectedTeachers(earlier.summary, properties);
  ASSERT_EQ(corrected.size(), 2u);  // in the summary's order, Ali not corrected
  EXPECT_EQ(corrected[0].sheetName, earlier.sheets[1]);
  EXPECT_EQ(corrected[0].name, "Vali Aliyev");
  EXPECT_EQ(corrected[0].inputs, (std::vector<std::string>{"Vali Aliyev", "12", "fizika", "yuqori", "18", "20", "ha"}));
  EXPECT_EQ(corrected[1].cells, (std::vector<CorrectedCell>{{8, col::C, std::nullopt}, {9, col::D, std::nullopt}}));

  // The sheet holds 80 in C8 and nothing in D9 (the teacher emptied it).
  const std::vector<StoredSheetCell> sheet = {{8, col::C, {}, 80.0, {}}, {9, col::E, {}, 4.0, {}}};
  TakeCorrectedEntries(corrected[1], sheet);
  EXPECT_EQ(corrected[1].cells, (std::vector<CorrectedCell>{{8, col::C, 80.0}, {9, col::D, std::nullopt}}));
}

TEST(CarriedCorrections, ARowAsItWasKeepsItsCorrectionsWhereverItMoved) {
  const EarlierBook earlier = Earlier(kStaff);
  std::vector<CorrectedTeacher> corrected = {
      {earlier.sheets[0], "Ali Valiyev", {}, {{8, col::C, 80.0}}},
      {earlier.sheets[1], "Vali Aliyev", {}, {{8, col::D, 1.0}}},
      {earlier.sheets[2], "Hasan Karimov", {}, {{8, col::E, 2.0}}},
      {earlier.sheets[3], "Ali Valiyev", {}, {{8, col::F, 3.0}}},
  };
  for (std::size_t i = 0; i < corrected.size(); ++i) {
    corrected[i].inputs = CorrectedTeachers(earlier.summary, {Note(earlier.sheets[i], 8, col::C, 1)}).front().inputs;
  }
  // A new teacher first, Vali's hours changed, Hasan gone, the two Alis still there, one
  // typed "24,0" (the same hours).
  const std::vector<roster_rules::RosterTeacher> now = {
      Teacher("Yangi O'qituvchi", "20"), Teacher("Ali Valiyev", "24,0"), Teacher("Vali Aliyev", "19", true),
      Teacher("Ali Valiyev", "24")};
  const CarryPlan plan = PlanCarrying(corrected, now, 2026);
  EXPECT_EQ(plan.carried, 2);
  EXPECT_TRUE(plan.CorrectionsOf(0).empty());
  ASSERT_EQ(plan.CorrectionsOf(1).size(), 1u);
  EXPECT_EQ(plan.CorrectionsOf(1).front().column, col::C);  // each Ali takes one, in order
  ASSERT_EQ(plan.CorrectionsOf(3).size(), 1u);
  EXPECT_EQ(plan.CorrectionsOf(3).front().column, col::F);
  EXPECT_TRUE(plan.CorrectionsOf(2).empty());
  ASSERT_EQ(plan.notCarried.size(), 2u);
  EXPECT_EQ(plan.notCarried[0].name, "Vali Aliyev");
  EXPECT_EQ(plan.notCarried[0].reason, NotCarriedReason::RowChanged);
  EXPECT_EQ(plan.notCarried[1].name, "Hasan Karimov");
  EXPECT_EQ(plan.notCarried[1].reason, NotCarriedReason::Gone);

  // Class leadership, school and subject are the row too.
  roster_rules::RosterTeacher otherSchool = kStaff[0];
  otherSchool.school = "45";
  roster_rules::RosterTeacher leader = kStaff[0];
  leader.classLeader = true;
  for (const roster_rules::RosterTeacher& changed : {otherSchool, leader}) {
    const std::vector<roster_rules::RosterTeacher> list = {changed};
    EXPECT_EQ(PlanCarrying(std::span(corrected).first(1), list, 2025).carried, 0) << changed.school;
  }
}

TEST(CarriedCorrections, ANewReportTakesTheCorrectionsAndItsTotalsFollow) {
  report_sheet::ReportSheet report = ReportOf(kStaff[0]);
  const report_sheet::ReportSheet computed = report;
  const double c8 = computed.Cells().ReadNumber(8, col::C);
  const double d8 = computed.Cells().ReadNumber(8, col::D);
  const double year = computed.Cells().ReadNumber(kFirstWorkRow, col::S);
  const std::vector<CorrectedCell> corrections = {
      {8, col::C, c8 + 2}, {8, col::D, std::nullopt}, {8, col::E, computed.Cells().ReadNumber(8, col::E)}};
  const workbook_package::WorkbookNotes notes = ApplyCorrections(report, corrections);
  EXPECT_EQ(report.Cells().ReadNumber(8, col::C), c8 + 2);
  EXPECT_EQ(report.Cells().KindAt(8, col::D), CellKind::Empty);
  EXPECT_EQ(report.Cells().ReadNumber(kFirstWorkRow, col::S), year + 2 - d8);
  // The cell put back as computed is no correction; the others are noted with the computed hours.
  EXPECT_EQ(notes.computedOfCorrected,
            (std::vector<workbook_package::ComputedHours>{{8, col::C, c8}, {8, col::D, d8}}));
  report_sheet::ReportSheet reopened = report;
  const report_editing::ReportCorrections marks(reopened, notes);
  EXPECT_EQ(marks.CorrectedCells(), (std::vector<report_editing::CellPlace>{{8, col::C}, {8, col::D}}));
}

TEST(CarriedCorrections, TheTeachersNotCarriedAreNamedAsTheyReadAndCounted) {
  CarryPlan plan;
  plan.notCarried.push_back({"Ali\x1b[2J", "Ali_[2J", NotCarriedReason::RowChanged});
  for (int i = 0; i < 11; ++i) plan.notCarried.push_back({"O'qituvchi", "O'qituvchi", NotCarriedReason::Gone});
  const std::vector<std::string> lines = NotCarriedLines(plan);
  EXPECT_EQ(lines.front(), "\"Ali\\x1b[2J\" (\"Ali_[2J\" varag'i): ro'yxatdagi qatori o'zgargan");
  EXPECT_EQ(lines.back(), "\"O'qituvchi\" (\"O'qituvchi\" varag'i): ro'yxatda yo'q");
  const std::string question = NotCarriedQuestion(plan, "kitob.xlsx");
  EXPECT_NE(question.find(lines.front()), std::string::npos);
  EXPECT_NE(question.find("... va yana 2 ta"), std::string::npos);
  EXPECT_EQ(question.find('\x1b'), std::string::npos);
  EXPECT_EQ(CarriedText(plan), "");
  plan.carried = 3;
  EXPECT_EQ(CarriedText(plan), "3 ta o'qituvchining tuzatishlari yangi kitobga ko'chirildi.");
}

}  // namespace
}  // namespace soatnoma::staff_book
