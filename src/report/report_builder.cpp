#include "report/report_builder.h"

#include "model/rounding_pass.h"
#include "report/report_frame.h"

namespace soatnoma {
namespace {

ReportOutcome Build(const ReportRequest& request, bool withRoundingPass) {
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

}  // namespace soatnoma
