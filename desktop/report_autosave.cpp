#include "desktop/report_autosave.h"

#include <QTimer>

#include "desktop/autosave_store.h"
#include "desktop/report_window.h"

namespace soatnoma::desktop {

ReportAutosave::ReportAutosave(ReportWindow& window, const QString& folder, std::chrono::milliseconds interval,
                               std::function<QDateTime()> now, const QString& recoveredId)
    : QObject(&window),
      window_(window),
      now_(std::move(now)),
      slot_(AutosaveSlot::Claim(folder, recoveredId)),
      timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("ReportAutosave"));
  timer_->setObjectName(QStringLiteral("AutosaveTimer"));
  timer_->setSingleShot(true);
  timer_->setInterval(interval);
  connect(timer_, &QTimer::timeout, this, &ReportAutosave::WriteNow);
  connect(&window, &ReportWindow::reportChanged, this, &ReportAutosave::ReportChanged);
  if (!slot_) problem_ = QStringLiteral("Nusxasini saqlab bo'lmaydi: \"%1\" papkasiga yozib bo'lmadi.").arg(folder);
  ReportChanged();
}

ReportAutosave::~ReportAutosave() = default;

void ReportAutosave::ReportChanged() {
  // The first change after a copy starts the clock; later ones wait for the same copy.
  if (window_.IsSaved()) {
    timer_->stop();
  } else if (!timer_->isActive()) {
    timer_->start();
  }
}

bool ReportAutosave::IsPending() const { return timer_->isActive(); }

bool ReportAutosave::WriteNow() {
  timer_->stop();
  if (!slot_ || window_.IsSaved()) return false;
  const AutosaveInfo info{QString::fromStdString(window_.Texts().name), window_.CalendarYear(), window_.FilePath(),
                          now_(), window_.StaffSheet()};
  const report_files::SaveResult written = slot_->Write(window_.Sheet(), window_.Corrections().Notes(), info);
  const QString problem =
      written.ok ? QString()
                 : QStringLiteral("Nusxasini saqlab bo'lmadi: %1").arg(QString::fromStdString(written.message));
  if (problem != problem_) {
    problem_ = problem;
    emit problemChanged(problem_);
  }
  return written.ok;
}

void ReportAutosave::Discard() {
  timer_->stop();
  if (slot_) slot_->Remove();
}

QString ReportAutosave::WorkbookPath() const { return slot_ ? slot_->WorkbookPath() : QString(); }

}  // namespace soatnoma::desktop
