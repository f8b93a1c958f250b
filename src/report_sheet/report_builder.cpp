#include "report_sheet/report_builder.h"

#include <array>
#include <utility>

#include "model/form_text.h"
#include "model/rounding_pass.h"
#include "report_sheet/report_frame.h"

namespace soatnoma::report_sheet {
namespace {

// The teacher's texts go into the title, the signature line and the workbook as they are.
std::optional<Refusal> CheckTexts(const ReportTexts& texts) {
  const std::array<std::pair<FormTextField, const std::string*>, 3> fields = {{
      {FormTextField::Name, &texts.name},
      {FormTextField::School, &texts.school},
      {FormTextField::Subject, &texts.subject},
  }};
  for (const auto& [field, text] : fields) {
    if (const auto why = CheckFormText(field, *text)) return Refusal{*why};
  }
  return std::nullopt;
}

ReportOutcome Build(const ReportRequest& request, bool withRoundingPass) {
  if (auto refusal = CheckTexts(request.texts)) return *refusal;
  const DistributionInput input{request.category, request.weeklyHours, request.rate, request.classLeader};
  if (auto refusal = CheckWeeklyHours(input.weeklyHours)) return *refusal;

  ReportSheet sheet;
  WorkingValues working;
  WriteReportFrame(sheet, request.texts, request.calendarYear);
  if (auto refusal = DistributeWorkload(input, sheet.Cells(), working)) return *refusal;
  WriteReportFooter(sheet, request.texts);
  if (withRoundingPass) {
    RoundingPass(request.category, sheet.Cells(), request.weeklyHours, request.classLeader, working);
  }
  return sheet;
}

}  // namespace

ReportOutcome BuildReport(const ReportRequest& request) { return Build(request, true); }
ReportOutcome BuildReportBeforeRounding(const ReportRequest& request) { return Build(request, false); }

}  // namespace soatnoma::report_sheet
