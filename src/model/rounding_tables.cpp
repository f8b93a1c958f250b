#include "model/rounding_tables.h"

namespace soatnoma {
namespace {

// The chain: every value cell a class leader's table holds, in this order. A fraction
// given up by the last cell of a month moves on into the first cell of the next.
// September to May are the same for both categories; June and August differ.
constexpr ChainMonth kTermMonths[] = {
    {col::C, {8, 9, 10, 11, 12, 14, 15, 16, 18, 20}},      // Sentabr
    {col::D, {8, 9, 10, 11, 12, 14, 15, 16, 18, 20}},      // Oktabr
    {col::E, {8, 9, 10, 11, 12, 14, 15, 16, 18, 19, 20}},  // Noyabr
    {col::G, {8, 9, 10, 11, 12, 14, 15, 16, 18, 20}},      // Dekabr
    {col::H, {8, 9, 10, 11, 12, 14, 15, 16, 18, 19, 20}},  // Yanvar
    {col::I, {8, 9, 10, 11, 12, 14, 15, 16, 18, 20}},      // Fevral
    {col::K, {8, 9, 10, 11, 12, 14, 15, 16, 18, 19, 20}},  // Mart
    {col::L, {8, 9, 10, 11, 12, 14, 15, 16, 18, 20}},      // Aprel
    {col::M, {8, 9, 10, 11, 12, 14, 15, 16, 18, 19, 20}},  // May
};

constexpr std::array<ChainMonth, 11> Chain(ChainMonth june, ChainMonth august) {
  std::array<ChainMonth, 11> chain{};
  for (std::size_t i = 0; i < std::size(kTermMonths); ++i) chain[i] = kTermMonths[i];
  chain[9] = june;
  chain[10] = august;
  return chain;
}

constexpr auto kUpperChain = Chain({col::O, {9, 11, 12, 14, 16, 18, 19, 20}},  // Iyun
                                   {col::Q, {14, 20}});                        // Avgust

constexpr auto kPrimaryChain = Chain({col::O, {9, 11, 12, 14, 18, 19}},  // Iyun
                                     {col::Q, {11, 14, 18, 20}});        // Avgust

// Class hours (row 10) and report cards (row 19) of a teacher who leads no class.
constexpr CellRef kLeadershipCells[] = {
    "C10", "D10", "E10", "G10", "H10", "I10", "K10", "L10", "M10", "E19", "H19", "K19", "M19", "O19",
};

// Notation: "K8" +1 adds one hour to K8; no_change leaves the table as it is.
constexpr Adjustments no_change{};
constexpr Adjustments adjust(CellAdjustment a) { return {{{a, {"A1", 0}, {"A1", 0}, {"A1", 0}}}, 1}; }
constexpr Adjustments adjust(CellAdjustment a, CellAdjustment b) { return {{{a, b, {"A1", 0}, {"A1", 0}}}, 2}; }
constexpr Adjustments adjust(CellAdjustment a, CellAdjustment b, CellAdjustment c) {
  return {{{a, b, c, {"A1", 0}}}, 3};
}
constexpr Adjustments adjust(CellAdjustment a, CellAdjustment b, CellAdjustment c, CellAdjustment d) {
  return {{{a, b, c, d}}, 4};
}

constexpr CorrectionRow kUpperCorrections[] = {
    // weekly  class leader                                        no class leadership
    {"10.5", adjust({"O20", +1}), adjust({"O20", -1})},
    {"11", adjust({"K8", +1}, {"O20", -1}), adjust({"K8", +1}, {"O20", -3})},
    {"11.5", adjust({"K8", +2}, {"D15", -1}, {"H20", -1}), adjust({"K8", +2}, {"H20", -1}, {"L20", -1})},
    {"12", adjust({"K8", +1}), adjust({"K8", +1})},
    {"12.5", adjust({"O20", +1}), adjust({"O20", +1})},
    {"13", adjust({"K8", +1}, {"O20", -1}), adjust({"K8", +1}, {"O20", -2})},
    {"13.5", adjust({"O20", +1}), adjust({"O20", +1})},
    {"14", adjust({"O20", +1}), adjust({"O20", -1})},
    {"14.5", adjust({"K8", +1}, {"O20", -1}), adjust({"K8", +1}, {"O20", -2})},
    {"15", adjust({"K8", +1}, {"O20", -1}), adjust({"K8", +1}, {"O20", -1})},
    {"15.5", adjust({"K8", +1}), adjust({"K8", +1}, {"O20", -1})},
    {"16", adjust({"K8", +2}, {"O20", -2}), adjust({"K8", +2}, {"O20", -2})},
    {"16.5", no_change, adjust({"O20", -1})},
    {"17", adjust({"O20", +1}), adjust({"K8", +1}, {"O20", -2})},
    {"17.5", adjust({"O20", +1}), adjust({"O20", +1})},
    {"18", adjust({"K8", +1}, {"O20", -1}), adjust({"K8", +1}, {"O20", -1})},
    {"18.5", adjust({"K8", +1}), adjust({"D8", -2}, {"O20", +1}, {"Q20", +1})},
    {"19", adjust({"K8", +1}), adjust({"K8", +1}, {"O20", -1})},
    {"19.5", no_change, adjust({"O20", -1})},
    {"20.5", adjust({"K8", +1}), adjust({"K8", +1})},
    {"21", no_change, adjust({"O20", -1})},
    {"22", adjust({"O20", +1}), adjust({"K8", +1}, {"O20", -4})},
    {"22.5", adjust({"O20", +1}), adjust({"O20", +1})},
    {"23", adjust({"K8", +1}, {"O20", -1}), adjust({"K8", +1}, {"O20", -2})},
    {"23.5", adjust({"K8", +1}), adjust({"K8", +1}, {"O20", -1})},
    {"24", adjust({"E8", -1}, {"J8", -1}, {"O20", +2}), adjust({"E8", -1}, {"J8", -1}, {"Q20", +2})},
    {"25.5", adjust({"O20", +1}), no_change},
    {"26", adjust({"K8", +1}, {"O20", -1}), adjust({"K8", +1}, {"O20", -1})},
    {"26.5", adjust({"K8", +1}, {"O20", -1}), adjust({"K8", +1}, {"O20", -1})},
    {"27", adjust({"O20", +1}), adjust({"O20", +1})},
    {"27.5", adjust({"O20", +1}), adjust({"O20", +1})},
    {"28", adjust({"K8", -1}, {"O20", +1}), adjust({"K8", -1}, {"O20", +1})},
    {"28.5", adjust({"K8", -1}, {"O20", +2}), adjust({"K8", -1}, {"O20", -1})},
    {"29", adjust({"O20", +1}), adjust({"O20", +1})},
    {"29.5", adjust({"K8", +1}, {"O20", -1}), adjust({"K8", +2}, {"O20", -3})},
};

constexpr CorrectionRow kPrimaryCorrections[] = {
    // weekly  class leader                                        no class leadership
    {"10.5", adjust({"D8", +1}, {"H8", +1}, {"K8", +1}), adjust({"D8", +1}, {"H8", +1})},
    {"11", adjust({"K8", +1}), adjust({"K8", +1})},
    {"11.5", adjust({"K8", +1}), adjust({"K8", +1})},
    {"12.5", no_change, adjust({"K8", +1})},
    {"13", adjust({"K8", +1}), adjust({"K8", +1})},
    {"13.5", adjust({"D8", +1}, {"H8", +1}), adjust({"D8", +1})},
    {"14", adjust({"K8", +1}), no_change},
    {"14.5", no_change, adjust({"K8", +1})},
    {"15", adjust({"K8", +1}), adjust({"K8", +1})},
    {"15.5", adjust({"K8", +1}), adjust({"K8", +1})},
    {"16", adjust({"K8", +1}), no_change},
    {"16.5", adjust({"D8", +1}, {"H8", +1}, {"K8", +1}), adjust({"D8", +1}, {"H8", +1}, {"K8", +1})},
    {"17", adjust({"K8", +1}), no_change},
    {"17.5", adjust({"D8", +1}), adjust({"D8", +1}, {"H8", +1})},
    {"19", adjust({"G8", -1}), adjust({"G8", -1})},
    {"19.5", adjust({"D8", +1}, {"H8", +1}, {"K8", +1}), adjust({"D8", +1}, {"H8", +1})},
    {"20.5", adjust({"K8", +1}), adjust({"K8", +1})},
    {"21", adjust({"K8", +1}), adjust({"K8", +1})},
    {"21.5", adjust({"K8", +1}), adjust({"K8", +1})},
    {"22.5", adjust({"D8", +1}, {"H8", +1}, {"K8", +1}, {"M8", +1}), adjust({"D8", +1}, {"H8", +1}, {"K8", +1})},
    {"23.5", adjust({"D8", +1}, {"H8", +1}), adjust({"D8", +1})},
    {"24.5", adjust({"D8", +1}), adjust({"D8", +1})},
    {"25.5", adjust({"D8", +1}, {"H8", +1}, {"K8", +1}), adjust({"D8", +1})},
    {"26", adjust({"K8", +1}), adjust({"K8", +1})},
    {"26.5", adjust({"K8", +1}), no_change},
    {"27", adjust({"K8", +1}), adjust({"K8", +1})},
    {"27.5", adjust({"D8", +1}), adjust({"D8", +1}, {"H8", +1})},
    {"28.5", adjust({"D8", +1}, {"H8", +1}, {"K8", +1}), adjust({"D8", +1}, {"H8", +1})},
    {"29", no_change, adjust({"D8", +1})},
    {"29.5", adjust({"K8", +1}), adjust({"K8", +1})},
};

}  // namespace

std::span<const ChainMonth> CarryChain(TeacherCategory category) {
  if (category == TeacherCategory::Upper) return kUpperChain;
  return kPrimaryChain;
}

std::span<const CellRef> LeadershipCells() { return kLeadershipCells; }

std::span<const CorrectionRow> CorrectionTable(TeacherCategory category) {
  if (category == TeacherCategory::Upper) return kUpperCorrections;
  return kPrimaryCorrections;
}

std::optional<CorrectionRow> FindCorrection(TeacherCategory category, std::string_view weeklyHoursText) {
  for (const CorrectionRow& row : CorrectionTable(category)) {
    if (row.weeklyHours == weeklyHoursText) return row;
  }
  return std::nullopt;
}

}  // namespace soatnoma
