#include "shared_texts.h"

#include "form/action_labels.h"
#include "form/opened_report.h"
#include "form/recovery_texts.h"
#include "form/report_builder.h"
#include "form/report_sheet.h"
#include "form/screen_view.h"
#include "json_writer.h"
#include "roster_rules/example_roster.h"
#include "roster_rules/roster_file_form.h"
#include "roster_rules/roster_table.h"
#include "staff_book/staff_work_texts.h"

namespace soatnoma::web {

std::string ActionLabelsJson() {
  JsonWriter json;
  json.BeginObject();
  for (const ui::ActionLabel& label : ui::ActionLabels()) {
    json.Key(label.key).BeginObject();
    json.Key("text").String(ui::PlainText(label.text)).Key("toolTip").String(label.toolTip);
    json.EndObject();
  }
  json.EndObject();
  return json.Text();
}

std::string RosterColumnsJson() {
  JsonWriter json;
  json.BeginArray();
  for (std::size_t column = 0; column < batch::kRosterColumnCount; ++column) {
    json.BeginObject().Key("heading").String(batch::kRosterColumns[column].heading);
    json.Key("toolTip").String(batch::kRosterColumns[column].toolTip);
    json.Key("number").Bool(batch::IsNumberColumn(column)).EndObject();
  }
  json.EndArray();
  return json.Text();
}

double HeldZoom(double zoom) { return screen_view::HeldZoom(zoom); }

double SteppedZoom(double zoom, int steps) { return screen_view::SteppedZoom(zoom, steps); }

std::string ZoomText(double zoom) { return screen_view::ZoomText(zoom); }

std::string StaffProgressText(int done, int all) { return batch::StaffProgressText(done, all); }

std::string StaffStoppedText() { return std::string(batch::kStaffStoppedText); }

std::string StaffPrintStoppedText() { return std::string(batch::kStaffPrintStoppedText); }

std::string ReportFailedWords() {
  std::string words(kReportFailedMessage);
  while (!words.empty() && words.back() == ' ') words.pop_back();
  return words;
}

std::string NotOpenedText(const std::string& fileName, const std::string& detail) {
  return RefuseOpening(fileName, detail).message;
}

std::string ReadingWordsJson() {
  JsonWriter json;
  json.BeginObject();
  json.Key("openingStopped").String(kOpeningStoppedText);
  json.Key("rosterReading").String(batch::kRosterReadingText).Key("rosterStopped").String(batch::kRosterStoppedText);
  json.Key("keptUnreadable").String(kKeptUnreadableWords);
  json.EndObject();
  return json.Text();
}

std::string RecoveryAnswersJson() {
  JsonWriter json;
  json.BeginObject().Key("restore").String(kRestoreAnswer).Key("discard").String(kDiscardKeptAnswer).EndObject();
  return json.Text();
}

std::string ExampleSavedText(const std::string& file, const std::string& openButton) {
  return batch::ExampleSavedText(file, openButton);
}

std::string ReportFontFamily() { return ReportSheet().Font().family; }

}  // namespace soatnoma::web
