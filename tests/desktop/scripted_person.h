#pragma once
// Stands in for the teacher at the dialogs and for the machine's clock: records every
// message, answers the save and open dialogs and the questions about unsaved reports from
// a script, prints into a PDF file instead of a printer, and keeps copies of unsaved
// reports in a folder of its own.

#include <deque>
#include <memory>
#include <vector>

#include <QPrinter>
#include <QTemporaryDir>

#include "desktop/form_services.h"

namespace soatnoma::desktop::testing {

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
  std::vector<OpenRequest> openRequests;
  QString openPath;  // empty: the dialog is cancelled
  std::vector<QString> restoreQuestions;
  std::deque<RestoreChoice> restoreAnswers;  // Later when the script has run out
  std::vector<QString> continueQuestions;
  std::vector<std::vector<staff_book::StaffTeacherSheet>> staffListsShown;
  std::deque<int> staffChoices;      // -1 (closed) when the script has run out
  std::deque<bool> continueAnswers;  // "Baribir davom etish" when the script has run out
  std::vector<QString> carryQuestions;
  std::deque<CarryChoice> carryAnswers;  // Cancel when the script has run out
  std::vector<QString> elsewhereQuestions;
  std::deque<bool> elsewhereAnswers;  // "Bekor qilish" when the script has run out
  // Removed with everything in it when the last person holding it is gone.
  std::shared_ptr<QTemporaryDir> scratch = std::make_shared<QTemporaryDir>();
  QString autosaveFolder = scratch->filePath(QStringLiteral("saqlanmagan"));
  QString settingsFile = scratch->filePath(QStringLiteral("soatnoma.conf"));
  bool printerWorks = true;
  QString printedFile;
  QDate today{2025, 3, 14};
  QDateTime now{QDate(2025, 3, 14), QTime(10, 12)};
  FormTimings timings{.arrowBlink = std::chrono::hours(1),
                      .creditStep = std::chrono::hours(1),
                      .rounding = std::chrono::milliseconds(1),
                      .autosave = std::chrono::hours(1)};

  // The next answer of the script, or what closing the question means once it has run out.
  template <typename Choice>
  static Choice NextAnswer(std::deque<Choice>& answers, Choice whenClosed) {
    if (answers.empty()) return whenClosed;
    const Choice answer = answers.front();
    answers.pop_front();
    return answer;
  }

  FormServices Services() {
    FormServices services;
    services.showMessage = [this](QWidget*, MessageIcon icon, const QString& text) {
      messages.push_back({icon, text});
    };
    services.askSavePath = [this](QWidget*, const SaveRequest& request) {
      saveRequests.push_back(request);
      return savePath;
    };
    services.askOpenPath = [this](QWidget*, const OpenRequest& request) {
      openRequests.push_back(request);
      return openPath;
    };
    services.askRestore = [this](QWidget*, const QString& question) {
      restoreQuestions.push_back(question);
      return NextAnswer(restoreAnswers, RestoreChoice::Later);
    };
    services.askContinue = [this](QWidget*, const QString& question) {
      continueQuestions.push_back(question);
      return NextAnswer(continueAnswers, true);
    };
    services.chooseStaffTeacher = [this](QWidget*, const QString&,
                                         const std::vector<staff_book::StaffTeacherSheet>& teachers) {
      staffListsShown.push_back(teachers);
      return NextAnswer(staffChoices, -1);
    };
    services.askCarry = [this](QWidget*, const QString& question) {
      carryQuestions.push_back(question);
      return NextAnswer(carryAnswers, CarryChoice::Cancel);
    };
    services.askSaveElsewhere = [this](QWidget*, const QString& text) {
      elsewhereQuestions.push_back(text);
      return NextAnswer(elsewhereAnswers, false);
    };
    services.stampFile = StampOfFile;  // the real file system, in the test's scratch folder
    services.askUnsaved = [this](QWidget*, const QString& question) {
      unsavedQuestions.push_back(question);
      return NextAnswer(unsavedAnswers, UnsavedChoice::Cancel);
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
    services.now = [this] { return now; };
    services.autosaveFolder = autosaveFolder;
    services.settingsFile = settingsFile;
    services.timings = timings;
    return services;
  }
};

}  // namespace soatnoma::desktop::testing
