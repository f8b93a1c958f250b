#pragma once
// Shared helpers of the form's tests: reports built as a run builds them, two sheets held
// cell by cell against each other, and files read and written whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>

#include "model/relative_formula.h"
#include "report_sheet/report_builder.h"

namespace soatnoma::testing {

inline report_sheet::ReportRequest Teacher(TeacherCategory category, std::string weekly, std::string rate, bool leader,
                                           report_sheet::ReportTexts texts = {"5", "fizika", "Familiya Ism"},
                                           int year = 2025) {
  report_sheet::ReportRequest request;
  request.category = category;
  request.weeklyHours = std::move(weekly);
  request.rate = std::move(rate);
  request.classLeader = leader;
  request.texts = std::move(texts);
  request.calendarYear = year;
  return request;
}

// A 60-character name and a 40-character subject, as real full names and subjects run: the
// title must wrap and the signature line must still show them whole.
inline const report_sheet::ReportTexts kLongTexts{"117", "informatika va axborot texnologiyalari f",
                                                  "Abdurahmonova Muxlisaxon Gʻayratjon qizi Karimovna Toshkentov"};

// The finished report; an empty sheet (and a failed test) on a refusal.
inline report_sheet::ReportSheet Built(const report_sheet::ReportOutcome& outcome) {
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    ADD_FAILURE() << "refused: " << refusal->message;
    return report_sheet::ReportSheet();
  }
  return std::get<report_sheet::ReportSheet>(outcome);
}

// Every cell of the sheet holds the same kind of content with the same text, number or
// formula, and every cell has the same format.
inline void ExpectSameSheet(const report_sheet::ReportSheet& expected, const report_sheet::ReportSheet& actual) {
  const CellGrid& a = expected.Cells();
  const CellGrid& b = actual.Cells();
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
      const std::string where = ColumnLetters(column) + std::to_string(row);
      ASSERT_EQ(a.KindAt(row, column), b.KindAt(row, column)) << where;
      EXPECT_EQ(a.TextAt(row, column), b.TextAt(row, column)) << where;
      EXPECT_EQ(a.ReadValue(row, column), b.ReadValue(row, column)) << where;
      if (a.FormulaAt(row, column)) {
        EXPECT_EQ(*a.FormulaAt(row, column), *b.FormulaAt(row, column)) << where;
      }
      EXPECT_EQ(expected.FormatAt(row, column), actual.FormatAt(row, column)) << where;
    }
  }
  EXPECT_TRUE(std::ranges::equal(expected.MergedBlocks(), actual.MergedBlocks()));
  for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
    EXPECT_EQ(expected.ColumnWidth(column), actual.ColumnWidth(column)) << column;
  }
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row)
    EXPECT_EQ(expected.RowHeight(row), actual.RowHeight(row)) << row;
  EXPECT_EQ(expected.Page(), actual.Page());
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

}  // namespace soatnoma::testing
