#pragma once
// The explanation of a cell of a report as the teacher corrects it, for every edition alike:
// the report's story when a run made it, what a report opened from a file says instead, and
// a corrected cell's computed hours beside what the teacher typed.

#include <memory>
#include <string>
#include <vector>

#include "report_sheet/report_builder.h"
#include "report_editing/report_corrections.h"
#include "model/told_table.h"

namespace soatnoma::explain {

// How every cell of the report a run makes came by its hours; none for a refused run.
std::unique_ptr<ToldTable> TellReport(const report_sheet::ReportRequest& request);

// The lines of the cell's explanation (C5:S20). told: the report's story; none for a report
// opened from a file, which says so. A corrected cell begins with what was computed.
std::vector<std::string> ExplainReportCell(const ToldTable* told, const report_editing::ReportCorrections& corrections,
                                           report_editing::CellPlace place);

// The cell's tool tip: what its mark says (corrected, to check), then the cell named and its
// explanation; of a report opened from a file only the mark's. Lines joined by "\n".
std::string CellToolTip(const ToldTable* told, const report_editing::ReportCorrections& corrections,
                        report_editing::CellPlace place);

}  // namespace soatnoma::explain
