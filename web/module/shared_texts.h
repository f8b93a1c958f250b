#pragma once
// What the page shows that the desktop shows too, asked of the module rather than written
// into the page: the names of what the teacher can do, the staff list's columns, the
// zoom's steps and text, the staff work's words and the words a fault is said in.

#include <string>

namespace soatnoma::module {

// {key: {text, toolTip}} for every action, the text without its shortcut mark.
std::string ActionLabelsJson();
// [{heading, toolTip, number}]: the staff list's columns in order; number: set to the right.
std::string RosterColumnsJson();

double HeldZoom(double zoom);
double SteppedZoom(double zoom, int steps);
std::string ZoomText(double zoom);

std::string StaffProgressText(int done, int all);
std::string StaffStoppedText();
std::string StaffPrintStoppedText();

// The words before the reason a report could not be made: "Hisobotni tuzib bo'lmadi:".
std::string ReportFailedWords();
// "\"fayl.xlsx\" ochilmadi: <detail>" for a file the page could not even read.
std::string NotOpenedText(const std::string& fileName, const std::string& detail);
// {openingStopped, rosterReading, rosterStopped, keptUnreadable}: what the page says when a
// reading is under way or stopped, and before why kept reports could not be read.
std::string ReadingWordsJson();
// {restore, discard}: the answers beside each report kept unsaved, the desktop's; {restoreFailed,
// discardFailed}: the words before why one could not be taken back or let go.
std::string RecoveryAnswersJson();
// The example staff list saved: the file's name, the button a filled-in list is opened with.
std::string ExampleSavedText(const std::string& file, const std::string& openButton);
// The family of the report's font, which the page carries.
std::string ReportFontFamily();

}  // namespace soatnoma::module
