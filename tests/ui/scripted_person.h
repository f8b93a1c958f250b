#pragma once
// Stands in for the teacher at the dialogs and for the machine's clock: records every
// message, answers the save dialog and the unsaved-report question from a script, and
// prints into a PDF file instead of a printer.

#include <deque>
#include <vector>

#include <QPrinter>
#include <QTemporaryDir>

#include "ui/form_services.h"

namespace soatnoma::ui::testing {

struct ShownMessage {
  MessageIcon icon;
  QString text;
};

struct ScriptedPerson {
  std::vector<ShownMessage> messages;
  std::vector<QString> unsavedQuestions;
  std::deque<UnsavedChoice> unsavedAnswers;  // Cancel when the script has run out
  std::vector<SaveRequest> saveRequests;
  QString savePath;  // empty: the dialog is cancelled
  bool printerWorks = true;
  QString printedFile;
  QDate today{2025, 3, 14};
  FormTimings timings{.arrowBlink = std::chrono::hours(1),
                      .creditStep = std::chrono::hours(1),
                      .rounding = std::chrono::milliseconds(1)};

  FormServices Services() {
    FormServices services;
    services.showMessage = [this](QWidget*, MessageIcon icon, const QString& text) {
      messages.push_back({icon, text});
    };
    services.askSavePath = [this](QWidget*, const SaveRequest& request) {
      saveRequests.push_back(request);
      return savePath;
    };
    services.askUnsaved = [this](QWidget*, const QString& question) {
      unsavedQuestions.push_back(question);
      if (unsavedAnswers.empty()) return UnsavedChoice::Cancel;
      const UnsavedChoice answer = unsavedAnswers.front();
      unsavedAnswers.pop_front();
      return answer;
    };
    services.printWithPreview = [this](QWidget*, const std::function<void(QPrinter&)>& paint) {
      if (!printerWorks) return false;
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printedFile);
      paint(printer);
      return true;
    };
    services.today = [this] { return today; };
    services.timings = timings;
    return services;
  }
};

}  // namespace soatnoma::ui::testing
