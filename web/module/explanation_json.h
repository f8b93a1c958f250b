#pragma once
// What the page asks about how the report's hours came: a cell's explanation and the whole
// report before rounding, as JSON made from the shared explanation's texts.

#include <string>

#include "report_editing/report_corrections.h"
#include "model/told_table.h"

namespace soatnoma::module {

// {cell: "D8 · Oktabr · Dars soatlari", lines: [...], toolTip}; story: none for a report
// opened from a file, whose lines then say so and whose tool tip is its mark's alone.
std::string ExplanationJson(const ToldTable* story, const report_editing::ReportCorrections& corrections,
                            report_editing::CellPlace place);

// {caption, headings: [C..S], rows: [{row, title, cells: [C..S]}]}; {missing}: why there is none,
// for a report opened from a file.
std::string BeforeRoundingJson(const ToldTable* story);

}  // namespace soatnoma::module
