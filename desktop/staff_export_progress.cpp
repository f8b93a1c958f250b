#include "desktop/staff_export_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace soatnoma::ui {

batch::StaffExportResult ExportStaffWithProgress(QWidget* parent, const batch::StaffExportRequest& request) {
  const auto total = static_cast<int>(request.teachers.size());
  QProgressDialog progress(QStringLiteral("Hisobotlar tayyorlanmoqda..."), QStringLiteral("To'xtatish"), 0, total,
                           parent);
  progress.setObjectName(QStringLiteral("staffProgress"));
  progress.setWindowTitle(QStringLiteral("Soatnoma"));
  // The whole program waits: no window may go away while its teachers are being written.
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(0);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setValue(0);
  progress.show();
  QCoreApplication::processEvents();
  return batch::ExportStaff(request, [&progress](int done, int all) {
    progress.setLabelText(QStringLiteral("Hisobotlar tayyorlanmoqda: %1 / %2").arg(done).arg(all));
    progress.setValue(done);
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
  });
}

}  // namespace soatnoma::ui
