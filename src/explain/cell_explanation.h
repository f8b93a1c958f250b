#pragma once
// Why a cell of the report holds the hours it holds, in a few short lines a director can
// check by hand: the monthly norm scaled by the weekly hours and the rate, the fraction taken
// in from the cell before and the one given on to the next, an emptying, the fixed correction
// of the weekly hours and the whole hours that result; for a total, the cells it adds.
// Fractions are shown to the hundredth, with the decimal comma, as the report's other texts
// write numbers.

#include <optional>
#include <string>
#include <vector>

#include "report_editing/report_corrections.h"
#include "model/told_table.h"

namespace soatnoma::explain {

// The panel's title and the dock's name.
inline constexpr std::string_view kExplanationTitle = "Hisob tafsiloti";
// What stands in the panel for a report opened from a file, whose run is not known.
inline constexpr std::string_view kNoStory = "Fayldan ochilgan hisobotning hisob tafsiloti yo'q.";

// "C8 · Sentabr · Dars soatlari": the cell an explanation is about.
std::string ExplainedCellName(report_editing::CellPlace place);

// The lines of the explanation of a cell of C5:S20. typedHours: what the teacher corrected
// the cell to, if the teacher did; the explanation then begins with what was computed.
std::vector<std::string> ExplainCell(const ToldTable& told, report_editing::CellPlace place,
                                     std::optional<double> typedHours = std::nullopt);

// "Hisoblangani: 103, tuzatilgan: 100": the first line of a corrected cell's explanation.
std::string CorrectedLine(double computedHours, double typedHours);

// The lines joined by "\n".
std::string JoinedLines(const std::vector<std::string>& lines);

// A number as the explanation shows it: to the hundredth, decimal comma ("7,43", "34", "-0,5").
std::string ShownNumber(double value);

}  // namespace soatnoma::explain
