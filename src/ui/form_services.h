#pragma once
// What the program asks of the person and of the machine, gathered so that tests can stand
// in for them: message boxes, the save-file dialog, the question about an unsaved report,
// the print preview, today's date and the intervals of the form's timers.

#include <chrono>
#include <functional>

#include <QDate>
#include <QString>

class QPrinter;
class QWidget;

namespace soatnoma::ui {

enum class MessageIcon { Information, Exclamation, Critical };

enum class UnsavedChoice { Save, Discard, Cancel };

struct SaveRequest {
  QString title;          // the dialog's caption
  QString suggestedPath;  // folder and default file name
  QString filter;         // e.g. "Excel ish kitobi (*.xlsx)"
  QString suffix;         // added when the user types a name without it
};

struct FormTimings {
  std::chrono::milliseconds arrowBlink{1000};  // Timer1, Timer2
  std::chrono::milliseconds creditStep{50};    // Timer5
  std::chrono::milliseconds rounding{100};     // Timer3, Timer4: from the run to its rounding pass
};

struct FormServices {
  // A modal message box with an OK button.
  std::function<void(QWidget* parent, MessageIcon icon, const QString& text)> showMessage;
  // The path the user chose, or an empty text when the dialog was cancelled.
  std::function<QString(QWidget* parent, const SaveRequest& request)> askSavePath;
  std::function<UnsavedChoice(QWidget* parent, const QString& question)> askUnsaved;
  // Shows the print preview; paint draws the pages into the printer the preview uses.
  // Answers whether the report went to the printer without a fault.
  std::function<bool(QWidget* parent, const std::function<void(QPrinter&)>& paint)> printWithPreview;
  std::function<QDate()> today;
  FormTimings timings;
};

// The real dialogs, message boxes and clock.
FormServices StandardFormServices();

}  // namespace soatnoma::ui
