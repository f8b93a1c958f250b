#include "explain/report_explanation.h"

#include <variant>

#include "explain/cell_explanation.h"
#include "report_editing/correction_texts.h"

namespace soatnoma::explain {

std::unique_ptr<ToldTable> TellReport(const report_sheet::ReportRequest& request) {
  auto told = TellTeacherTable({request.category, request.weeklyHours, request.rate, request.classLeader});
  if (auto* table = std::get_if<std::unique_ptr<ToldTable>>(&told)) return std::move(*table);
  return nullptr;
}

std::vector<std::string> ExplainReportCell(const ToldTable* told, const report_editing::ReportCorrections& corrections,
                                           report_editing::CellPlace place) {
  const bool corrected = corrections.IsCorrected(place);
  if (told) {
    return ExplainCell(*told, place, corrected ? std::optional(corrections.Hours(place)) : std::nullopt);
  }
  std::vector<std::string> lines = {std::string(kNoStory)};
  if (corrected) {
    lines.push_back(CorrectedLine(corrections.ComputedHours(place), corrections.Hours(place)));
  }
  return lines;
}

std::string CellToolTip(const ToldTable* told, const report_editing::ReportCorrections& corrections,
                        report_editing::CellPlace place) {
  const std::string mark = report_editing::MarkNoteOf(corrections, place).toolTip;
  if (!told) return mark;
  const std::string explanation = ExplainedCellName(place) + "\n" + JoinedLines(ExplainCell(*told, place));
  return mark.empty() ? explanation : mark + "\n\n" + explanation;
}

}  // namespace soatnoma::explain
