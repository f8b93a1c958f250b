// The explanation's words held against the numbers: for every cell of every reference table
// the lines a teacher reads add up to the hours the independently computed table holds; a
// corrected cell, a report opened from a file and the report before rounding say what they
// should.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

#include "explain/before_rounding_view.h"
#include "explain/cell_explanation.h"
#include "explain/report_explanation.h"
#include "report_sheet/report_builder.h"
#include "model/workload_table.h"
#include "reference_tables.h"

namespace soatnoma::explain {
namespace {

// The reference tables, their fields and the walk over every cell.
using namespace reference_tables;  // NOLINT(build/namespaces)

// The number a line holds after the text given ("= 116,1", "+0,25 olindi"), decimal comma read.
std::optional<double> NumberAfter(const std::string& line, const std::string& before) {
  const std::size_t at = line.find(before);
  if (at == std::string::npos) return std::nullopt;
  std::string number;
  for (std::size_t i = at + before.size(); i < line.size(); ++i) {
    const char c = line[i];
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == ',' || c == '-' || c == '+')) break;
    number += c == ',' ? '.' : c;
  }
  return std::strtod(number.c_str(), nullptr);
}

// A cell of hours read line by line: where its hours began, what came in and went out, the
// correction, and the hours it ends with; none where it was emptied.
struct ReadHours {
  double begun = 0;
  double moved = 0;
  std::optional<double> rounded;
};

ReadHours ReadHoursLines(const std::vector<std::string>& lines) {
  ReadHours read;
  for (const std::string& line : lines) {
    if (line.starts_with("Haftalik ")) read.begun = NumberAfter(line, " = ").value_or(NAN);
    if (line.starts_with("Belgilangan: ")) read.begun = NumberAfter(line, ": ").value_or(NAN);
    if (line.starts_with("Jami: ")) read.begun = NumberAfter(line, ": ").value_or(NAN);  // a leader's row 12
    if (line.starts_with("Oldingi katakdan")) read.moved += NumberAfter(line, ") ").value_or(NAN);
    if (line.find(" keyingi katakka ") != std::string::npos || line.find(" hech qayerga ") != std::string::npos) {
      read.moved -= NumberAfter(line, "").value_or(NAN);
    }
    if (line.starts_with("Tuzatish: ")) read.moved += NumberAfter(line, ": ").value_or(NAN);
    if (line.starts_with("Yaxlitlangani: ")) read.rounded = NumberAfter(line, ": ");
  }
  return read;
}

TEST(CellExplanation, TheLinesOfEveryCellOfHoursAddUpToTheReferenceHours) {
  ForEveryCell(HoldsHours, [](const ToldTable& told, const Fields& expected, int row, int column) {
    const std::vector<std::string> lines = ExplainCell(told, {row, column});
    const ReadHours read = ReadHoursLines(lines);
    const auto hours = FieldAt(expected, row, column);
    EXPECT_EQ(read.rounded, hours) << JoinedLines(lines);
    // Each line to the hundredth: the sum is off by no more than their roundings.
    if (read.rounded) {
      EXPECT_NEAR(read.begun + read.moved, *read.rounded, 0.021) << JoinedLines(lines);
    }
  });
}

// "104 + 77 + 96 = 277": the terms as the reference holds the cells the total names, their sum,
// and after a correction the total the reference holds.
TEST(CellExplanation, ATotalAddsTheReferenceHoursOfTheCellsItNames) {
  ForEveryCell(IsSum, [](const ToldTable& told, const Fields& expected, int row, int column) {
    const CellStory& story = told.story.At(row, column);
    const std::vector<std::string> lines = ExplainCell(told, {row, column});
    ASSERT_GE(lines.size(), 2u);
    std::string terms;
    double sum = 0;
    for (const CellRef& cell : story.summed) {
      const double term = FieldAt(expected, cell.row, cell.column).value_or(0);
      terms += (terms.empty() ? "" : " + ") + ShownNumber(term);
      sum += term;
    }
    EXPECT_EQ(lines[1], terms + " = " + ShownNumber(sum));
    const double total = FieldAt(expected, row, column).value_or(0);
    if (story.correction) {
      EXPECT_EQ(lines.back(), "Jami: " + ShownNumber(total));
    } else {
      EXPECT_EQ(sum, total);
    }
  });
}

report_sheet::ReportRequest UpperRun(const std::string& weekly) {
  return {.category = TeacherCategory::Upper, .weeklyHours = weekly, .rate = "20", .texts = {}, .calendarYear = 2026};
}

// A corrected cell says what was computed and what was typed; a report opened from a file,
// which knows no run, says so; the tool tip puts the mark's words before the explanation.
TEST(ReportExplanation, ACorrectedCellAndAReportWithoutItsRunSayWhatTheyKnow) {
  const report_sheet::ReportRequest run = UpperRun("24");
  report_sheet::ReportSheet sheet = std::get<report_sheet::ReportSheet>(report_sheet::BuildReport(run));
  report_editing::ReportCorrections corrections(sheet);
  const auto told = TellReport(run);
  ASSERT_TRUE(told);
  const report_editing::CellPlace october{8, col::D};
  corrections.SetHours(october, 100);
  const auto lines = ExplainReportCell(told.get(), corrections, october);
  EXPECT_EQ(lines.front(), "Hisoblangani: 103, tuzatilgan: 100");
  EXPECT_EQ(lines.back(), "Yaxlitlangani: 103");
  const auto opened = ExplainReportCell(nullptr, corrections, october);
  EXPECT_EQ(opened, (std::vector<std::string>{std::string(kNoStory), "Hisoblangani: 103, tuzatilgan: 100"}));
  EXPECT_EQ(ExplainReportCell(nullptr, corrections, {8, col::C}), std::vector<std::string>{std::string(kNoStory)});

  const std::string tip = CellToolTip(told.get(), corrections, october);
  EXPECT_EQ(tip.find("Tuzatilgan. Hisoblangan: 103 soat."), 0u) << tip;
  EXPECT_NE(tip.find("\n\nD8 \u00B7 Oktabr \u00B7 Dars soatlari\nHaftalik 24 soat"), std::string::npos) << tip;
  EXPECT_EQ(CellToolTip(nullptr, corrections, {8, col::C}), "");
  EXPECT_FALSE(TellReport(UpperRun("5")));  // refused: no story
}

// The report before rounding, to the hundredth, against the reference tables before rounding.
TEST(BeforeRoundingView, EveryCellIsTheComputedHoursToTheHundredth) {
  const auto references = References(true);
  ASSERT_GE(references.size(), 3u);
  for (const Reference& reference : references) {
    std::unique_ptr<ToldTable> keep;
    const BeforeRoundingView view = MakeBeforeRoundingView(Told(reference, keep));
    const Fields expected = ReadTable(reference.file);
    ASSERT_EQ(view.headings.size(), static_cast<std::size_t>(kLastColumn - col::C + 1));
    EXPECT_EQ(view.headings.front(), "Sentabr");
    ASSERT_EQ(view.rows.size(), static_cast<std::size_t>(kLastWorkRow - kFirstWorkRow + 1));
    for (const BeforeRoundingRow& row : view.rows) {
      EXPECT_EQ(row.title, RowShortTitle(row.row));
      for (int column = col::C; column <= kLastColumn; ++column) {
        const auto hours = FieldAt(expected, row.row, column);
        const std::string& shown = row.cells[static_cast<std::size_t>(column - col::C)];
        EXPECT_EQ(shown, hours ? ShownNumber(*hours) : "") << reference.file << " " << row.row << " " << column;
      }
    }
  }
}

}  // namespace
}  // namespace soatnoma::explain
