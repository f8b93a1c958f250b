#pragma once
// One finished report from one teacher's data, without a window: the checks, the frame,
// the table of the teacher's category, the footer and the rounding pass, in the order a
// run performs them.

#include <string>
#include <string_view>
#include <variant>

#include "model/distribution.h"
#include "report_sheet/report_sheet.h"
#include "report_sheet/report_texts.h"

namespace soatnoma::report_sheet {

struct ReportRequest {
  TeacherCategory category = TeacherCategory::Upper;
  std::string weeklyHours;  // the weekly-hours box, as typed
  std::string rate;         // the rate box, as typed
  bool classLeader = false;
  ReportTexts texts;
  int calendarYear = 0;  // the year of the run, from the caller's clock
};

// The message of a run that failed for a reason of its own, the reason following it.
inline constexpr std::string_view kReportFailedMessage = "Hisobotni tuzib bo'lmadi: ";

// Either the refusal of the teacher's input (no report exists then) or the report.
using ReportOutcome = std::variant<Refusal, ReportSheet>;

ReportOutcome BuildReport(const ReportRequest& request);
// The same report as it stands before the rounding pass: fractional hours shown whole.
ReportOutcome BuildReportBeforeRounding(const ReportRequest& request);

}  // namespace soatnoma::report_sheet
