#include "desktop/staff_export_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "desktop/action_texts.h"
#include "staff_book/staff_work_texts.h"

namespace soatnoma::desktop {

staff_files::StaffExportResult ExportStaffWithProgress(QWidget* parent,
                                                       const staff_files::StaffExportRequest& request) {
  const auto total = static_cast<int>(request.teachers.size());
  QProgressDialog progress(QString::fromStdString(staff_book::StaffProgressText(0, total)),
                           ActionText(screen_view::Action::Stop), 0, total, parent);
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
  return staff_files::ExportStaff(request, [&progress](int done, int all) {
    progress.setLabelText(QString::fromStdString(staff_book::StaffProgressText(done, all)));
    progress.setValue(done);
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
  });
}

}  // namespace soatnoma::desktop
