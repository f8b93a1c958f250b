// The report form for the browser: everything the page shows and saves is worked out
// here, by the same code as the desktop's; the page only draws and serialises it.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <exception>
#include <string>
#include <variant>

#include "canvas_text_metrics.h"
#include "cli/table_csv.h"
#include "form_description.h"
#include "json_writer.h"
#include "kept_report.h"
#include "request_fields.h"
#include "model/teacher.h"
#include "model/weekly_hours.h"
#include "report/opened_report.h"
#include "report/report_builder.h"
#include "report_workbench.h"
#include "roster_reading.h"
#include "staff_book_bench.h"
#include "report/recovery_texts.h"
#include "report/report_file_name.h"
#include "ui/form_controls.h"

namespace soatnoma::web {
namespace {

using emscripten::val;

// The rate box's text when a category is chosen: "18" or "20".
std::string DefaultRateText(const std::string& category) {
  return std::string(DefaultRate(category == "primary" ? TeacherCategory::Primary : TeacherCategory::Upper));
}

// The weekly hours the six day boxes add up to, Monday first; null while a day holds
// text that is not a number.
val WeeklyHoursOfDays(const val& days) {
  std::array<std::string, 6> texts;
  std::array<std::string_view, 6> views;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const val day = days[i];
    texts[i] = day.isString() ? day.as<std::string>() : std::string();
    views[i] = texts[i];
  }
  const auto week = WeeklyHoursFromDays(views);
  return week ? val(*week) : val::null();
}

bool DayNotANumber(const std::string& dayText) { return DayIsNotANumber(dayText); }

std::string DayNotANumberMessage() { return std::string(kDayNotANumber); }

// The table C5:S20 as `soatnoma-cli table` prints it: {ok, csv} or {ok: false, message}.
std::string TableCsv(const val& request) {
  const std::string weekly = Field(request, "weekly");
  const std::string rate = Field(request, "rate");
  const DistributionInput input{CategoryOf(request), weekly, rate, Flag(request, "leader")};
  const auto csv = cli::TeacherTableCsv(input, Flag(request, "beforeRounding"));
  if (const auto* refusal = std::get_if<Refusal>(&csv)) return RefusalJson(refusal->message, refusal->clearsWeeklyHours);
  JsonWriter json;
  json.BeginObject().Key("ok").Bool(true).Key("csv").String(std::get<std::string>(csv)).EndObject();
  return json.Text();
}

// The run of the form: the report after the rounding pass (or before it, when asked),
// described whole, with the file name it is saved under; or the refusal of the input.
std::string BuildForm(const val& request, const val& measure) { return ReportWorkbench(request, measure).Result(); }

const char* KindName(ui::ControlKind kind) {
  switch (kind) {
    case ui::ControlKind::Label: return "label";
    case ui::ControlKind::CreditLine: return "creditLine";
    case ui::ControlKind::TextBox: return "textBox";
    case ui::ControlKind::HelpTextBox: return "helpTextBox";
    case ui::ControlKind::Frame: return "frame";
    case ui::ControlKind::OptionButton: return "optionButton";
    case ui::ControlKind::CheckBox: return "checkBox";
    case ui::ControlKind::Button: return "button";
    case ui::ControlKind::Picture: break;
  }
  return "picture";
}

const char* FontName(ui::ControlFont font) {
  switch (font) {
    case ui::ControlFont::Caption: return "caption";
    case ui::ControlFont::Entry: return "entry";
    case ui::ControlFont::Help: return "help";
    case ui::ControlFont::Window: break;
  }
  return "window";
}

// The teacher's form: its size in twips, and every control with its name, caption, tool tip, place in twips, tab
// stop, font and whether it is shown at the start.
std::string FormControls() {
  JsonWriter json;
  json.BeginObject();
  json.Key("width").Integer(ui::kClientArea.width).Key("height").Integer(ui::kClientArea.height);
  json.Key("controls").BeginArray();
  for (const ui::ControlSpec& spec : ui::FormControls()) {
    json.BeginObject();
    json.Key("name").String(spec.name).Key("kind").String(KindName(spec.kind));
    json.Key("container").String(spec.container).Key("caption").String(spec.caption);
    json.Key("toolTip").String(spec.toolTip);
    json.Key("left").Integer(spec.place.left).Key("top").Integer(spec.place.top);
    json.Key("width").Integer(spec.place.width).Key("height").Integer(spec.place.height);
    json.Key("tabIndex").Integer(spec.tabIndex).Key("font").String(FontName(spec.font));
    json.Key("centred").Bool(spec.centred).Key("shown").Bool(spec.shownAtStart);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Text();
}

// The largest part of a workbook the page unpacks, in bytes.
double LargestWorkbookPart() { return static_cast<double>(kLargestWorkbookPart); }

std::string FileName(const std::string& teacherName, int calendarYear, const std::string& suffix) {
  return ReportFileName(teacherName, calendarYear, suffix);
}

// "Dastur oldingi safar 2 ta hisobotni saqlamasdan yopilgan:", as the desktop asks it.
std::string KeptReportsHeading(int count) { return LeftUnsavedHeading(count > 0 ? static_cast<std::size_t>(count) : 0); }

}  // namespace

EMSCRIPTEN_BINDINGS(soatnoma) {
  emscripten::function("defaultRate", &DefaultRateText);
  emscripten::function("weeklyHoursOfDays", &WeeklyHoursOfDays);
  emscripten::function("dayIsNotANumber", &DayNotANumber);
  emscripten::function("dayNotANumberMessage", &DayNotANumberMessage);
  emscripten::function("tableCsv", &TableCsv);
  emscripten::function("buildForm", &BuildForm);
  emscripten::function("reportFileName", &FileName);
  emscripten::function("formControls", &FormControls);
  emscripten::function("largestWorkbookPart", &LargestWorkbookPart);
  emscripten::function("keptReport", &KeptReport);
  emscripten::function("keptReportsHeading", &KeptReportsHeading);
  emscripten::class_<ReportWorkbench>("ReportWorkbench")
      .constructor<const val&, val>()
      .constructor<const std::string&, const val&, val>()
      .function("result", &ReportWorkbench::Result)
      .function("ready", &ReportWorkbench::Ready)
      .function("type", &ReportWorkbench::Type)
      .function("setEntry", &ReportWorkbench::SetEntry)
      .function("entry", &ReportWorkbench::Entry)
      .function("computedHours", &ReportWorkbench::ComputedHours)
      .function("refusal", &ReportWorkbench::Refusal)
      .function("hoursText", &ReportWorkbench::HoursWritten)
      .function("state", &ReportWorkbench::State)
      .function("form", &ReportWorkbench::Form)
      .function("workbookForm", &ReportWorkbench::WorkbookForm);
  emscripten::function("decodeRoster", &DecodeRoster);
  emscripten::function("readRosterRows", &ReadRosterRows);
  emscripten::function("readWorkbookRoster", &ReadWorkbookRoster);
  emscripten::function("maxRosterBytes", &MaxRosterBytes);
  emscripten::function("unreadableRoster", &UnreadableRoster);
  emscripten::function("staffWorkbookName", &StaffWorkbookName);
  emscripten::function("staffWorkbookRefusal", &StaffWorkbookRefusal);
  emscripten::class_<StaffBookBench>("StaffBook")
      .constructor<int, emscripten::val>()
      .function("add", &StaffBookBench::Add)
      .function("page", &StaffBookBench::Page)
      .function("teachers", &StaffBookBench::Teachers)
      .class_function("summaryName", &StaffBookBench::SummaryName)
      .function("summary", &StaffBookBench::Summary);
}

}  // namespace soatnoma::web
