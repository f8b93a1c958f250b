#include "model/distribution.h"

#include <cmath>

#include "model/norm_tables.h"
#include "model/number_text.h"
#include "model/typed_number.h"
#include "model/workload_table.h"

namespace soatnoma {
namespace {

// What each cell of a column holds, rows 5 to 20 from left to right:
//   f  the column's formula (a month total, the quarter sum or the year sum)
//   v  the month's entry of the norm table
//   L  the column's formula for a class leader; written empty for other teachers
//   .  not written
struct ColumnPlan {
  std::string_view month;        // C D E G H I K L M O
  std::string_view august;       // Q
  std::string_view quarter;      // F J N
  std::string_view lastQuarter;  // R
  std::string_view year;         // S
};

//                      row: 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20
constexpr ColumnPlan kUpperPlan = {
    .month = "f f f v v  v  v  v  f  v  v  v  f  v  v  v",
    .august = "f f . v v  v  v  v  f  v  v  v  f  v  v  v",
    .quarter = "f f f f f  L  f  f  f  f  f  f  f  f  L  f",
    .lastQuarter = "f f f . f  .  f  f  f  f  .  f  f  f  L  f",
    .year = "f f f f f  L  f  f  f  f  f  f  f  f  L  f",
};

//                      row: 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20
constexpr ColumnPlan kPrimaryPlan = {
    .month = "f v f v v  v  v  v  f  v  v  v  f  v  v  v",
    .august = "f v f v v  v  v  v  f  v  v  v  f  v  v  v",
    .quarter = "f f f f f  L  f  f  f  f  f  f  f  f  L  f",
    .lastQuarter = "f f f . f  .  f  f  f  f  .  .  f  f  L  f",
    .year = "f f f f f  L  f  f  f  f  f  f  f  f  L  f",
};

// Writing order of the columns: September to August, each quarter after its months.
constexpr int kFillOrder[] = {col::C, col::D, col::E, col::F, col::G, col::H, col::I, col::J,
                              col::K, col::L, col::M, col::N, col::O, col::Q, col::R, col::S};

int MonthIndex(int column) {
  for (std::size_t i = 0; i < kWorkMonthColumns.size(); ++i) {
    if (kWorkMonthColumns[i] == column) return static_cast<int>(i);
  }
  return -1;
}

std::string_view PatternOf(const ColumnPlan& plan, int column) {
  switch (column) {
    case col::F:
    case col::J:
    case col::N: return plan.quarter;
    case col::R: return plan.lastQuarter;
    case col::S: return plan.year;
    case col::Q: return plan.august;
    default: return plan.month;
  }
}

const RelativeFormula& FormulaOf(int column, int row) {
  switch (column) {
    case col::F:
    case col::J:
    case col::N:
    case col::R: return formulas::kQuarter;
    case col::S: return formulas::kYear;
    default: return formulas::ForMonthTotalRow(row);
  }
}

// The fixed class hours m of a month, from the class leader's row 10.
double FixedClassHours(const NormTable& norms, std::size_t monthIndex) {
  const NormEntry entry = norms.Entry(10, monthIndex);
  return entry.kind == NormKind::FixedText ? ParseLeadingNumber(entry.text) : entry.k;
}

class TableWriter {
 public:
  TableWriter(double weeklyHours, double rate, bool classLeader, CellGrid& sheet, WorkingValues& working,
              TableStory* story)
      : h_(weeklyHours), r_(rate), leader_(classLeader), sheet_(sheet), working_(working), story_(story) {}

  void Fill(TeacherCategory category) {
    const ColumnPlan& plan = category == TeacherCategory::Upper ? kUpperPlan : kPrimaryPlan;
    const NormTable norms = NormTableFor(category, leader_);
    for (int column : kFillOrder) {
      const std::string_view pattern = PatternOf(plan, column);
      int row = kFirstWorkRow;
      for (char symbol : pattern) {
        if (symbol == ' ') continue;
        WriteCell(symbol, norms, column, row);
        ++row;
      }
    }
  }

 private:
  double Scaled(double norm) const { return (h_ * norm) / r_; }

  // Where the cell's story is told, when one is asked for.
  CellStory* Story(int row, int column) const { return story_ ? &story_->At(row, column) : nullptr; }

  void TellSum(int row, int column) const {
    CellStory* story = Story(row, column);
    if (!story) return;
    story->origin = CellOrigin::Sum;
    for (const CellOffset& term : FormulaOf(column, row).Terms()) {
      story->summed.push_back(CellRef(row + term.rows, column + term.columns));
    }
  }

  void TellNorm(const NormEntry& entry, int row, int column) const {
    CellStory* story = Story(row, column);
    if (!story) return;
    story->computed = sheet_.ReadValue(row, column).value_or(0);
    switch (entry.kind) {
      case NormKind::NotWritten: story->origin = CellOrigin::None; break;
      case NormKind::Dash: story->origin = CellOrigin::Empty; break;
      case NormKind::Fixed: story->origin = CellOrigin::Fixed; break;
      case NormKind::FixedText: story->origin = CellOrigin::Text; break;
      case NormKind::Scaled:
      case NormKind::LeaderRow12:
        story->origin = entry.kind == NormKind::Scaled ? CellOrigin::Scaled : CellOrigin::LeaderShare;
        story->weeklyHours = h_;
        story->norm = entry.k;
        story->rate = r_;
        break;
    }
  }

  void WriteCell(char symbol, const NormTable& norms, int column, int row) {
    switch (symbol) {
      case 'f':
        sheet_.SetFormula(row, column, FormulaOf(column, row));
        TellSum(row, column);
        break;
      case 'L':
        if (leader_) {
          sheet_.SetFormula(row, column, FormulaOf(column, row));
          TellSum(row, column);
        } else {
          sheet_.ClearCell(row, column);
          if (CellStory* story = Story(row, column)) story->origin = CellOrigin::Empty;
        }
        break;
      case 'v': WriteNorm(norms, static_cast<std::size_t>(MonthIndex(column)), column, row); break;
      default: break;
    }
  }

  void WriteNorm(const NormTable& norms, std::size_t monthIndex, int column, int row) {
    const NormEntry entry = norms.Entry(row, monthIndex);
    switch (entry.kind) {
      case NormKind::NotWritten: break;
      case NormKind::Dash: sheet_.ClearCell(row, column); break;
      case NormKind::Scaled: sheet_.SetNumber(row, column, Scaled(entry.k)); break;
      case NormKind::Fixed: sheet_.SetNumber(row, column, entry.k); break;
      case NormKind::FixedText: sheet_.SetText(row, column, entry.text); break;
      case NormKind::LeaderRow12: {
        // The class hours stand fixed in row 10; the same full-rate hours, scaled, are
        // taken out of row 12. The correction passes through its text form.
        const double m = FixedClassHours(norms, monthIndex);
        working_.tSoat.SetNumber(Scaled(m) - m);
        sheet_.SetNumber(row, column, working_.tSoat.Number() + Scaled(entry.k));
        if (CellStory* story = Story(row, column)) {
          story->classHours = m;
          story->leaderShift = working_.tSoat.Number();
        }
        break;
      }
    }
    TellNorm(entry, row, column);
  }

  double h_;
  double r_;
  bool leader_;
  CellGrid& sheet_;
  WorkingValues& working_;
  TableStory* story_;
};

// Every number of the table, the totals too, is one the report shows. The rounding pass
// moves a number by less than an hour for each cell of its carry chain and the fixed
// correction by a few hours more: a thousand hours of room keep the finished report
// within the limit as well.
bool AllNumbersShown(const CellGrid& sheet) {
  constexpr double kLargestBeforeRounding = kLargestReportHours - 1000;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= kLastColumn; ++column) {
      const std::optional<double> value = sheet.ReadValue(row, column);
      if (value && !(std::fabs(*value) <= kLargestBeforeRounding)) return false;
    }
  }
  return true;
}

}  // namespace

std::optional<Refusal> CheckWeeklyHours(std::string_view weeklyHoursText) {
  const TypedNumber hours = ReadTypedNumber(weeklyHoursText);
  if (hours.kind == TypedNumberKind::Empty) return Refusal{messages::kNoWeeklyHours, false};
  if (hours.kind == TypedNumberKind::NotANumber) return Refusal{messages::kBadWeeklyHours, false};
  if (hours.value < 10) return Refusal{messages::kTooFewHours, true};
  return std::nullopt;
}

std::optional<Refusal> CheckRate(std::string_view rateText) {
  const TypedNumber rate = ReadTypedNumber(rateText);
  if (!rate.IsNumber() || !(rate.value > 0) || !std::isfinite(rate.value)) return Refusal{messages::kBadRate, false};
  return std::nullopt;
}

void FillUpperTable(double weeklyHours, double rate, bool classLeader, CellGrid& sheet, WorkingValues& working,
                    TableStory* story) {
  TableWriter(weeklyHours, rate, classLeader, sheet, working, story).Fill(TeacherCategory::Upper);
}

void FillPrimaryTable(double weeklyHours, double rate, bool classLeader, CellGrid& sheet, WorkingValues& working,
                      TableStory* story) {
  TableWriter(weeklyHours, rate, classLeader, sheet, working, story).Fill(TeacherCategory::Primary);
}

std::optional<Refusal> DistributeWorkload(const DistributionInput& input, CellGrid& sheet, WorkingValues& working,
                                          TableStory* story) {
  if (auto refusal = CheckWeeklyHours(input.weeklyHours)) return refusal;
  if (auto refusal = CheckRate(input.rate)) return refusal;
  const double weeklyHours = ReadTypedNumber(input.weeklyHours).value;
  const double rate = ReadTypedNumber(input.rate).value;
  if (!(weeklyHours <= kHoursInAWeek)) return Refusal{messages::kBadWeeklyHours, false};
  if (input.category == TeacherCategory::Upper) {
    FillUpperTable(weeklyHours, rate, input.classLeader, sheet, working, story);
  } else {
    FillPrimaryTable(weeklyHours, rate, input.classLeader, sheet, working, story);
  }
  // Hours a week holds make a report too large only over a rate too small.
  if (!AllNumbersShown(sheet)) return Refusal{messages::kBadRate, false};
  return std::nullopt;
}

}  // namespace soatnoma
