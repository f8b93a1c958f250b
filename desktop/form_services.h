#pragma once
// What the program asks of the person and of the machine, gathered so that tests can stand
// in for them: message boxes, the save and open dialogs, the questions about an unsaved
// report, about reports left unsaved by an earlier run of the program and about going on
// with a report that has cells to check, which teacher of a staff workbook to open, about
// writing over corrections or over a file changed since it was opened, the file system's
// stamp of a file, the print
// preview, today's date, the folder where unsaved reports are kept, the settings file, and
// the intervals of the program's timers.

#include <chrono>
#include <functional>

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

#include "desktop/file_stamp.h"
#include "staff_book/staff_workbook_file.h"

class QPrinter;
class QWidget;

namespace soatnoma::desktop {

enum class MessageIcon { Information, Exclamation, Critical };

enum class UnsavedChoice { Save, Discard, Cancel };

// A staff workbook about to be written over an earlier one whose corrections cannot all be
// carried: write it anyway, choose another name, or neither.
enum class CarryChoice { GoOn, OtherName, Cancel };

// What to do with reports that an earlier run of the program left unsaved.
enum class RestoreChoice { Restore, Discard, Later };

struct SaveRequest {
  QString title;               // the dialog's caption
  QString suggestedPath;       // folder and default file name
  QString filter;              // e.g. "Excel ish kitobi (*.xlsx)"
  QString suffix;              // added when the user types a name without it
  bool besideItsFile = false;  // the suggestion lies beside the document's own file
};

struct OpenRequest {
  QString title;   // the dialog's caption
  QString folder;  // where the dialog starts
  QString filter;  // e.g. "Excel ish kitobi (*.xlsx)"
};

// What the question of a staff workbook answers, instead of a teacher's row, when the whole
// workbook is to be made a PDF as it stands.
inline constexpr int kStaffWorkbookPdfChoice = -2;

struct FormTimings {
  std::chrono::milliseconds arrowBlink{1000};  // Timer1, Timer2
  std::chrono::milliseconds creditStep{50};    // Timer5
  std::chrono::milliseconds rounding{100};     // Timer3, Timer4: from the run to its rounding pass
  std::chrono::milliseconds autosave{60000};   // at most this long between a change and its copy
};

struct FormServices {
  // A modal message box with an OK button.
  std::function<void(QWidget* parent, MessageIcon icon, const QString& text)> showMessage;
  // The path the user chose, or an empty text when the dialog was cancelled.
  std::function<QString(QWidget* parent, const SaveRequest& request)> askSavePath;
  // The file the user chose to open, or an empty text when the dialog was cancelled.
  std::function<QString(QWidget* parent, const OpenRequest& request)> askOpenPath;
  std::function<UnsavedChoice(QWidget* parent, const QString& question)> askUnsaved;
  std::function<RestoreChoice(QWidget* parent, const QString& question)> askRestore;
  // Which teacher of a staff workbook to open: the row of teachers, kStaffWorkbookPdfChoice
  // for a PDF of the whole workbook, or -1 when not one.
  std::function<int(QWidget* parent, const QString& fileName,
                    const std::vector<staff_book::StaffTeacherSheet>& teachers)>
      chooseStaffTeacher;
  // "Baribir davom etish" (true) or "Bekor qilish" (false).
  std::function<bool(QWidget* parent, const QString& question)> askContinue;
  // Before a staff workbook is written over one holding corrections it cannot carry.
  std::function<CarryChoice(QWidget* parent, const QString& question)> askCarry;
  // The file a report would be saved back into changed since it was opened: "Boshqa nom
  // bilan saqlash..." (true) or "Bekor qilish" (false).
  std::function<bool(QWidget* parent, const QString& text)> askSaveElsewhere;
  // The file's size, modification time and checksum, to tell whether it changed.
  std::function<std::optional<FileStamp>(const QString& path)> stampFile;
  // Shows the print preview; paint draws the pages into the printer the preview uses.
  // Answers whether the report went to the printer without a fault.
  std::function<bool(QWidget* parent, const std::function<void(QPrinter&)>& paint)> printWithPreview;
  std::function<QDate()> today;
  std::function<QDateTime()> now;
  // Where copies of unsaved reports are kept until they are saved or let go.
  QString autosaveFolder;
  // The program's settings (the folders its dialogs last used, the form's last entries);
  // empty: nothing is remembered.
  QString settingsFile;
  FormTimings timings;
  // Whether the form opens larger on a large screen (FormScale); false: as drawn, pixel for
  // pixel, whatever the screen.
  bool scaledToScreen = false;
};

// The real dialogs, message boxes and clock.
FormServices StandardFormServices();

}  // namespace soatnoma::desktop
