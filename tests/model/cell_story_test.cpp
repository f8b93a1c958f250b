// Every hour of the reference tables explained: for each cell the story the distribution
// and the rounding pass tell adds up to the hours the independently computed table holds.
#include "model/told_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace soatnoma {
namespace {

// The fields of a reference table by sheet place; nullopt for an empty field.
using Fields = std::vector<std::vector<std::optional<double>>>;

Fields ReadTable(const std::filesystem::path& file) {
  std::ifstream in(file);
  Fields rows;
  for (std::string line; std::getline(in, line);) {
    std::vector<std::optional<double>> fields;
    std::stringstream cells(line);
    for (std::string field; std::getline(cells, field, ',');) {
      fields.push_back(field.empty() ? std::nullopt : std::optional(std::strtod(field.c_str(), nullptr)));
    }
    fields.resize(kLastColumn - col::C + 1);
    rows.push_back(fields);
  }
  return rows;
}

std::optional<double> FieldAt(const Fields& fields, int row, int column) {
  return fields.at(static_cast<std::size_t>(row - kFirstWorkRow)).at(static_cast<std::size_t>(column - col::C));
}

// "upper_10p5_rate18_other.csv": the teacher the file was computed for.
struct Reference {
  std::filesystem::path file;
  TeacherCategory category;
  std::string weekly;
  std::string rate;
  bool leader;
};

std::vector<Reference> References(bool before) {
  const char* dir = std::getenv("SOATNOMA_FIXTURES");
  std::vector<Reference> references;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(dir ? dir : "tests/fixtures") + "/tables")) {
    std::string name = entry.path().stem().string();
    if (name.ends_with("_before") != before) continue;
    std::stringstream parts(name);
    std::string category, weekly, rate, state;
    std::getline(parts, category, '_');
    std::getline(parts, weekly, '_');
    std::getline(parts, rate, '_');
    std::getline(parts, state, '_');
    for (char& c : weekly) c = c == 'p' ? '.' : c;
    references.push_back({entry.path(), category == "upper" ? TeacherCategory::Upper : TeacherCategory::Primary,
                          weekly, rate.substr(4), state == "leader"});
  }
  return references;
}

const ToldTable& Told(const Reference& reference, std::unique_ptr<ToldTable>& keep) {
  auto told = TellTeacherTable({reference.category, reference.weekly, reference.rate, reference.leader});
  if (auto* table = std::get_if<std::unique_ptr<ToldTable>>(&told)) keep = std::move(*table);
  if (!keep) throw std::runtime_error("refused: " + reference.file.string());
  return *keep;
}

bool HoldsHours(CellOrigin origin) {
  return origin == CellOrigin::Scaled || origin == CellOrigin::Fixed || origin == CellOrigin::LeaderShare;
}

TEST(CellStory, EveryCellOfHoursAddsUpToTheReferenceHours) {
  const auto references = References(false);
  ASSERT_GE(references.size(), 13u);
  for (const Reference& reference : references) {
    std::unique_ptr<ToldTable> keep;
    const ToldTable& told = Told(reference, keep);
    const Fields expected = ReadTable(reference.file);
    int explained = 0;
    for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
      for (int column = col::C; column <= kLastColumn; ++column) {
        const CellStory& story = told.story.At(row, column);
        const auto hours = FieldAt(expected, row, column);
        SCOPED_TRACE(reference.file.filename().string() + " " + ColumnLetters(column) + std::to_string(row));
        if (!HoldsHours(story.origin)) continue;
        ++explained;
        if (story.origin == CellOrigin::Scaled) {
          EXPECT_EQ(story.computed, story.weeklyHours * story.norm / story.rate);
        }
        if (story.emptied) {
          EXPECT_FALSE(hours.has_value());
          continue;
        }
        double kept = story.computed;  // hours the carry chain does not visit stay as computed
        if (story.carry) {
          const CarryLink& link = *story.carry;
          EXPECT_EQ((story.computed + link.takenIn) - link.givenOn, link.whole);
          kept = link.whole;
        }
        if (story.correction) {
          EXPECT_EQ(story.correction->before, kept);
        }
        ASSERT_TRUE(hours.has_value());
        EXPECT_EQ(kept + (story.correction ? story.correction->delta : 0), *hours);
      }
    }
    EXPECT_GT(explained, 80);  // every month of every kind of work, not a few
  }
}

// The fraction a cell takes in is the one the cell before gave on, and the chain runs
// through one cell after another without a break.
TEST(CellStory, TheCarryChainIsOneUnbrokenLine) {
  for (const Reference& reference : References(false)) {
    std::unique_ptr<ToldTable> keep;
    const ToldTable& told = Told(reference, keep);
    int starts = 0;
    for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
      for (int column = col::C; column <= kLastColumn; ++column) {
        const auto& carry = told.story.At(row, column).carry;
        if (!carry) continue;
        SCOPED_TRACE(reference.file.filename().string() + " " + ColumnLetters(column) + std::to_string(row));
        if (!carry->from) {
          ++starts;
          continue;
        }
        const auto& before = told.story.At(carry->from->row, carry->from->column).carry;
        ASSERT_TRUE(before.has_value());
        EXPECT_EQ(carry->takenIn, before->carried);
        ASSERT_TRUE(before->to.has_value());
        EXPECT_EQ(before->to->row, row);
        EXPECT_EQ(before->to->column, column);
        EXPECT_GE(carry->givenOn, 0);
        EXPECT_LT(carry->givenOn, 1);
      }
    }
    EXPECT_EQ(starts, 1);
  }
}

// A total adds up the cells it names, as the reference holds them; before rounding each cell
// of hours holds what the distribution computed.
TEST(CellStory, TotalsNameTheCellsTheyAddAndComputedHoursAreTheUnroundedOnes) {
  for (const Reference& reference : References(false)) {
    std::unique_ptr<ToldTable> keep;
    const ToldTable& told = Told(reference, keep);
    const Fields expected = ReadTable(reference.file);
    for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
      for (int column = col::C; column <= kLastColumn; ++column) {
        const CellStory& story = told.story.At(row, column);
        if (story.origin != CellOrigin::Sum) continue;
        SCOPED_TRACE(reference.file.filename().string() + " " + ColumnLetters(column) + std::to_string(row));
        ASSERT_GE(story.summed.size(), 2u);
        double sum = 0;
        for (const CellRef& cell : story.summed) sum += FieldAt(expected, cell.row, cell.column).value_or(0);
        // A correction on a total puts a number in its place: its sum then, moved by the correction.
        if (story.correction) {
          EXPECT_EQ(story.correction->before, sum);
        }
        EXPECT_EQ(FieldAt(expected, row, column).value_or(0), sum + (story.correction ? story.correction->delta : 0));
      }
    }
  }
  for (const Reference& reference : References(true)) {
    std::unique_ptr<ToldTable> keep;
    const ToldTable& told = Told(reference, keep);
    const Fields expected = ReadTable(reference.file);
    for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
      for (int column = col::C; column <= kLastColumn; ++column) {
        const CellStory& story = told.story.At(row, column);
        if (HoldsHours(story.origin)) {
          EXPECT_EQ(FieldAt(expected, row, column), story.computed) << row << column;
        }
      }
    }
  }
}

}  // namespace
}  // namespace soatnoma
