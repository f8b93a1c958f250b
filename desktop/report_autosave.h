#pragma once
// Keeps a copy of a report window's unsaved report in the autosave folder: after a change
// the copy is written when the interval (a minute) has passed, so that a crash or a power
// cut loses at most that much; once the report is saved or deliberately let go, the copy
// is removed. When the folder cannot be written, the window's status line says so.

#include <chrono>
#include <functional>
#include <memory>

#include <QDateTime>
#include <QObject>
#include <QString>

class QTimer;

namespace soatnoma::desktop {

class AutosaveSlot;
class ReportWindow;

class ReportAutosave : public QObject {
  Q_OBJECT
 public:
  // Takes over the place of a recovered copy when given its id.
  ReportAutosave(ReportWindow& window, const QString& folder, std::chrono::milliseconds interval,
                 std::function<QDateTime()> now, const QString& recoveredId);
  ~ReportAutosave() override;

  // Whether a copy is due: the report changed and is not saved.
  bool IsPending() const;
  // Writes the copy now; false when it could not be written (the reason is in Problem()).
  bool WriteNow();
  // The report was saved, or closed without saving on purpose: the copy goes.
  void Discard();
  // The copy's workbook, for tests and for the teacher's information.
  QString WorkbookPath() const;
  QString Problem() const { return problem_; }

 signals:
  void problemChanged(const QString& problem);

 private:
  void ReportChanged();

  ReportWindow& window_;
  std::function<QDateTime()> now_;
  std::unique_ptr<AutosaveSlot> slot_;
  QTimer* timer_;
  QString problem_;
};

}  // namespace soatnoma::desktop
