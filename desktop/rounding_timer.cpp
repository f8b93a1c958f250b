#include "desktop/rounding_timer.h"

#include <QTimer>

#include "model/rounding_pass.h"
#include "desktop/report_window.h"

namespace soatnoma::desktop {

const char* RoundingTimerName(TeacherCategory category) {
  return category == TeacherCategory::Upper ? "Timer3" : "Timer4";
}

void ScheduleRounding(ReportWindow& window, const report_sheet::ReportRequest& run, std::chrono::milliseconds delay) {
  auto* timer = new QTimer(&window);
  timer->setObjectName(QString::fromLatin1(RoundingTimerName(run.category)));
  timer->setSingleShot(true);
  timer->setInterval(delay);
  QObject::connect(timer, &QTimer::timeout, &window, [&window, run] {
    window.ChangeSheet([&run](report_sheet::ReportSheet& sheet) {
      WorkingValues working;  // Kasr starts at "0" and ends there
      RoundingPass(run.category, sheet.Cells(), run.weeklyHours, run.classLeader, working);
    });
  });
  // Hours typed before the pass would be overwritten by it: typing waits for it.
  window.AwaitProgramChange();
  timer->start();
}

}  // namespace soatnoma::desktop
