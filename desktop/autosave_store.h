#pragma once
// The folder where copies of unsaved reports are kept, so that a crash or a power cut
// loses at most the last minute of a teacher's work. Each open report has a place of its
// own: the report as a workbook of this program (with its corrections), a few words about
// it (the teacher, the school year, the file it belongs to) and a lock that says a running
// program holds it. A place whose lock nobody holds any more was left behind by a program
// that ended without saving: it is offered back on the next start.

#include <memory>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include "report_sheet/report_sheet.h"
#include "report_files/save_result.h"
#include "workbook_package/workbook_notes.h"

namespace soatnoma::desktop {

struct AutosaveInfo {
  QString teacherName;
  int calendarYear = 0;
  QString filePath;  // the workbook the report was opened from or saved to; empty if none
  QDateTime savedAt;
  QString staffSheet;  // the teacher's sheet when filePath is a staff workbook
};

// One report's place in the folder, held by its window.
class AutosaveSlot {
 public:
  // A new place, or the place of a report left behind (its id); nullptr when the folder
  // cannot be made or another running program holds the place.
  static std::unique_ptr<AutosaveSlot> Claim(const QString& folder, const QString& id = QString());
  AutosaveSlot(const AutosaveSlot&) = delete;
  AutosaveSlot& operator=(const AutosaveSlot&) = delete;
  // Lets the place go and keeps its copy, as a crash would.
  ~AutosaveSlot();

  QString Id() const { return id_; }
  QString WorkbookPath() const;
  // Writes the copy; the earlier copy stays whole until the new one is complete.
  report_files::SaveResult Write(const report_sheet::ReportSheet& sheet, const workbook_package::WorkbookNotes& notes,
                                 const AutosaveInfo& info) const;
  // The report was saved or deliberately let go: its copy is no longer needed.
  void Remove() const;

 private:
  AutosaveSlot(QString folder, QString id, std::unique_ptr<QLockFile> lock);
  QString PathOf(const char* suffix) const;

  QString folder_;
  QString id_;
  std::unique_ptr<QLockFile> lock_;
};

struct Leftover {
  QString id;
  QString workbookPath;
  AutosaveInfo info;
};

// The copies that no running program holds, oldest first.
std::vector<Leftover> FindLeftovers(const QString& folder);
// Removes a leftover copy the teacher let go; false when another program took it meanwhile.
bool RemoveLeftover(const QString& folder, const QString& id);

}  // namespace soatnoma::desktop
