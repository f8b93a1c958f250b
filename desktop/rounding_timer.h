#pragma once
// The rounding pass of a run, on its category's timer: Timer3 for upper-class, Timer4 for
// primary-class teachers. The timer belongs to the run's report window and fires once,
// about 100 ms after the run, when the program is idle; the pass makes that report's
// hours whole, with that run's weekly-hours text and class leadership, and the window
// shows the rounded report.

#include <chrono>

#include "model/teacher.h"
#include "report_sheet/report_builder.h"

namespace soatnoma::desktop {

class ReportWindow;

// The timer's object name for the category.
const char* RoundingTimerName(TeacherCategory category);

void ScheduleRounding(ReportWindow& window, const report_sheet::ReportRequest& run, std::chrono::milliseconds delay);

}  // namespace soatnoma::desktop
