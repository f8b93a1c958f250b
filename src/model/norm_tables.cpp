#include "model/norm_tables.h"

namespace soatnoma {
namespace {

// Notation of the tables below, as teachers' norm sheets write them:
//   k(n)   n full-rate hours, scaled to the teacher: H × n ÷ R
//   f(n)   fixed class hours, written unscaled
//   t("3") fixed class hours written as text
//   c(n)   a class leader's row 12: tSoat + H × n ÷ R
//   dash   the cell is written empty
//   none   the cell is not written at all
constexpr NormEntry k(double n) { return {NormKind::Scaled, n, {}}; }
constexpr NormEntry f(double n) { return {NormKind::Fixed, n, {}}; }
constexpr NormEntry t(std::string_view text) { return {NormKind::FixedText, 0, text}; }
constexpr NormEntry c(double n) { return {NormKind::LeaderRow12, n, {}}; }
constexpr NormEntry dash{NormKind::Dash, 0, {}};
constexpr NormEntry none{NormKind::NotWritten, 0, {}};

// Upper-class teachers, class leader.
constexpr NormRow kUpperLeader[] = {
    //      Sentabr Oktabr Noyabr Dekabr Yanvar Fevral Mart   Aprel  May    Iyun   Avgust
    {8, {k(86), k(86), k(66), k(86), k(64), k(80), k(60), k(86), k(66), dash, dash}},
    {9, {k(6), k(6), k(8), k(6), k(8), k(6), k(8), k(6), k(6), k(8), dash}},
    {10, {f(4), f(4), f(4), f(4), f(3), f(4), f(4), f(4), f(3), dash, dash}},
    {11, {k(5), k(9), k(10), k(8), k(15), k(7), k(15), k(8), k(10), k(11), dash}},
    {12, {c(6), c(6), c(6), c(6), c(8), c(6), c(6), c(6), c(8), k(10), dash}},
    {14, {k(33), k(31), k(32), k(31), k(46), k(28), k(44), k(30), k(36), k(83), k(20)}},
    {15, {k(4), k(4), k(4), k(4), k(3), k(4), k(4), k(4), k(3), dash, dash}},
    {16, {k(3), k(3), k(4), k(4), k(4), k(3), k(4), k(3), k(3), k(3), dash}},
    {18, {k(4), k(4), k(6), k(4), k(6), k(4), k(6), k(4), k(6), k(6), dash}},
    {19, {dash, dash, k(7), dash, k(8), dash, k(7), dash, k(6), k(6), dash}},
    {20, {k(4), k(2), k(2), k(2), k(4), k(2), k(4), k(4), k(2), k(4), k(4)}},
};

// Upper-class teachers who lead no class.
constexpr NormRow kUpperOther[] = {
    //      Sentabr Oktabr Noyabr Dekabr Yanvar Fevral Mart   Aprel  May    Iyun   Avgust
    {8, {k(86), k(86), k(66), k(86), k(64), k(80), k(60), k(86), k(66), dash, dash}},
    {9, {k(7), k(8), k(9), k(8), k(10), k(8), k(9), k(8), k(8), k(8), dash}},
    {10, {dash, dash, dash, dash, dash, dash, dash, dash, dash, dash, dash}},
    {11, {k(7), k(9), k(10), k(8), k(15), k(7), k(15), k(8), k(10), k(11), dash}},
    {12, {k(7), k(8), k(9), k(8), k(9), k(8), k(9), k(8), k(9), k(10), dash}},
    {14, {k(33), k(31), k(32), k(31), k(46), k(28), k(44), k(30), k(36), k(83), k(20)}},
    {15, {k(4), k(4), k(4), k(4), k(3), k(4), k(4), k(4), k(3), dash, dash}},
    {16, {k(3), k(3), k(4), k(4), k(4), k(3), k(4), k(3), k(3), k(3), dash}},
    {18, {k(4), k(4), k(8), k(4), k(8), k(4), k(10), k(4), k(6), k(6), dash}},
    {19, {dash, dash, dash, dash, dash, dash, dash, dash, dash, dash, dash}},
    {20, {k(4), k(2), k(7), k(2), k(10), k(2), k(7), k(4), k(8), k(10), k(4)}},
};

// Primary-class teachers. An entry "L / N" is written ln(L, N): the first for a class
// leader, the second for other teachers; a single entry holds for both.
struct LeaderChoice {
  NormEntry leader;
  NormEntry other;
  constexpr LeaderChoice(NormEntry both) : leader(both), other(both) {}  // NOLINT: table notation
  constexpr LeaderChoice(NormEntry l, NormEntry n) : leader(l), other(n) {}
};
constexpr LeaderChoice ln(NormEntry leader, NormEntry other) { return {leader, other}; }

struct PrimaryRow {
  int row;
  std::array<LeaderChoice, kWorkMonthColumns.size()> months;
};

constexpr PrimaryRow kPrimary[] = {
    //  Sentabr         Oktabr          Noyabr           Dekabr           Yanvar
    //  Fevral          Mart            Aprel            May              Iyun           Avgust
    {6, {k(78), k(78), k(93), k(81), k(102), k(72), k(108), k(78), k(96), k(126), k(24)}},
    {8, {k(78), k(78), k(63), k(75), k(54), k(72), k(54), k(78), k(60), dash, dash}},
    {9, {k(8), k(10), k(13), ln(k(13), k(14)), k(12), k(10), ln(k(13), k(14)), k(10), k(10), k(3), dash}},
    {10,
     {ln(f(4), dash), ln(f(4), dash), ln(f(4), dash), ln(f(4), dash), ln(f(3), dash), ln(f(4), dash), ln(t("3"), dash),
      ln(f(4), dash), ln(f(4), dash), dash, dash}},
    {11,
     {ln(k(5), k(7)), ln(k(6), k(8)), k(8), k(8), k(12), ln(k(6), k(8)), k(10), ln(k(8), k(9)), ln(k(8), k(9)), k(23),
      k(4)}},
    {12,
     {ln(c(5), k(7)), ln(c(4), k(6)), ln(c(6), k(10)), ln(c(5), k(8)), ln(c(6), k(10)), ln(c(6), k(8)), ln(c(8), k(10)),
      ln(c(6), k(9)), ln(c(6), k(9)), k(16), dash}},
    {14, {k(41), k(40), k(40), k(38), k(44), k(31), k(47), k(34), k(43), k(65), k(10)}},
    {15, {k(4), k(4), k(4), k(3), k(4), k(4), k(3), k(4), k(4), dash, dash}},
    {16, {k(3), k(4), k(4), k(4), k(4), k(3), k(4), k(4), k(4), none, dash}},
    {18,
     {k(4), k(4), ln(k(5), k(7)), k(4), ln(k(5), k(7)), k(4), ln(k(8), k(9)), k(4), ln(k(5), k(9)), ln(k(15), k(19)),
      k(4)}},
    {19,
     {dash, dash, ln(k(7), dash), dash, ln(k(8), dash), dash, ln(k(7), dash), dash, ln(k(8), dash), ln(k(4), dash),
      dash}},
    {20, {k(4), k(2), ln(k(2), k(7)), k(2), ln(k(4), k(10)), k(4), ln(k(4), k(10)), k(4), ln(k(4), k(8)), none, k(6)}},
};

constexpr std::size_t kPrimaryRowCount = std::size(kPrimary);

constexpr std::array<NormRow, kPrimaryRowCount> PrimaryVariant(bool leader) {
  std::array<NormRow, kPrimaryRowCount> rows{};
  for (std::size_t r = 0; r < kPrimaryRowCount; ++r) {
    rows[r].row = kPrimary[r].row;
    for (std::size_t m = 0; m < kWorkMonthColumns.size(); ++m) {
      rows[r].months[m] = leader ? kPrimary[r].months[m].leader : kPrimary[r].months[m].other;
    }
  }
  return rows;
}

constexpr auto kPrimaryLeader = PrimaryVariant(true);
constexpr auto kPrimaryOther = PrimaryVariant(false);

}  // namespace

NormEntry NormTable::Entry(int row, std::size_t monthIndex) const {
  for (const NormRow& normRow : rows_) {
    if (normRow.row == row) return normRow.months.at(monthIndex);
  }
  return none;
}

NormTable NormTableFor(TeacherCategory category, bool classLeader) {
  if (category == TeacherCategory::Upper) {
    return NormTable(classLeader ? std::span<const NormRow>(kUpperLeader) : std::span<const NormRow>(kUpperOther));
  }
  return NormTable(classLeader ? std::span<const NormRow>(kPrimaryLeader) : std::span<const NormRow>(kPrimaryOther));
}

}  // namespace soatnoma
