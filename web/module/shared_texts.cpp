#include "shared_texts.h"

#include "screen_view/action_labels.h"
#include "workbook_package/opened_report.h"
#include "screen_view/recovery_texts.h"
#include "report_sheet/report_builder.h"
#include "report_sheet/report_sheet.h"
#include "screen_view/screen_view.h"
#include "json_writer.h"
#include "roster_rules/example_roster.h"
#include "roster_rules/roster_file_form.h"
#include "roster_rules/roster_table.h"
#include "staff_book/staff_work_texts.h"

namespace soatnoma::module {

std::string ActionLabelsJson() {
  JsonWriter json;
  json.BeginObject();
  for (const screen_view::ActionLabel& label : screen_view::ActionLabels()) {
    json.Key(label.key).BeginObject();
    json.Key("text").String(screen_view::PlainText(label.text)).Key("toolTip").String(label.toolTip);
    json.EndObject();
  }
  json.EndObject();
  return json.Text();
}

std::string RosterColumnsJson() {
  JsonWriter json;
  json.BeginArray();
  for (std::size_t column = 0; column < roster_rules::kRosterColumnCount; ++column) {
    json.BeginObject().Key("heading").String(roster_rules::kRosterColumns[column].heading);
    json.Key("toolTip").String(roster_rules::kRosterColumns[column].toolTip);
    json.Key("number").Bool(roster_rules::IsNumberColumn(column)).EndObject();
  }
  json.EndArray();
  return json.Text();
}

double HeldZoom(double zoom) { return screen_view::HeldZoom(zoom); }

double SteppedZoom(double zoom, int steps) { return screen_view::SteppedZoom(zoom, steps); }

std::string ZoomText(double zoom) { return screen_view::ZoomText(zoom); }

std::string StaffProgressText(int done, int all) { return staff_book::StaffProgressText(done, all); }

std::string StaffStoppedText() { return std::string(staff_book::kStaffStoppedText); }

std::string StaffPrintStoppedText() { return std::string(staff_book::kStaffPrintStoppedText); }

std::string ReportFailedWords() {
  std::string words(report_sheet::kReportFailedMessage);
  while (!words.empty() && words.back() == ' ') words.pop_back();
  return words;
}

std::string NotOpenedText(const std::string& fileName, const std::string& detail) {
  return workbook_package::RefuseOpening(fileName, detail).message;
}

std::string ReadingWordsJson() {
  JsonWriter json;
  json.BeginObject();
  json.Key("openingStopped").String(workbook_package::kOpeningStoppedText);
  json.Key("rosterReading")
      .String(roster_rules::kRosterReadingText)
      .Key("rosterStopped")
      .String(roster_rules::kRosterStoppedText);
  json.Key("keptUnreadable").String(screen_view::kKeptUnreadableWords);
  json.EndObject();
  return json.Text();
}

std::string RecoveryAnswersJson() {
  JsonWriter json;
  json.BeginObject()
      .Key("restore")
      .String(screen_view::kRestoreAnswer)
      .Key("discard")
      .String(screen_view::kDiscardKeptAnswer)
      .Key("restoreFailed")
      .String(screen_view::kRestoreFailedWords)
      .Key("discardFailed")
      .String(screen_view::kDiscardFailedWords)
      .EndObject();
  return json.Text();
}

std::string ExampleSavedText(const std::string& file, const std::string& openButton) {
  return roster_rules::ExampleSavedText(file, openButton);
}

std::string ReportFontFamily() { return report_sheet::ReportSheet().Font().family; }

}  // namespace soatnoma::module
