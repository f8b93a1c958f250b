// The report for the browser: everything the page shows and saves is worked out
// here, by the same code as the desktop's; the page only draws and serialises it.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <cstdint>
#include <exception>
#include <string>
#include <variant>

#include "report_description.h"
#include "json_writer.h"
#include "keeping_texts.h"
#include "page_words.h"
#include "kept_report.h"
#include "page_text_measure.h"
#include "request_fields.h"
#include "model/form_text.h"
#include "model/teacher.h"
#include "model/weekly_hours.h"
#include "workbook_package/opened_report.h"
#include "report_sheet/report_builder.h"
#include "report_workbench.h"
#include "office_help.h"
#include "package_parts.h"
#include "roster_reading.h"
#include "shared_texts.h"
#include "staff_book_session.h"
#include "staff_workbook_reading.h"
#include "stored_staff_print.h"
#include "workbook_part_reading.h"
#include "screen_view/recovery_texts.h"
#include "report_sheet/report_file_name.h"
#include "form_controls/control_names.h"
#include "form_controls/form_controls.h"
#include "report_editing/editing_keys.h"
#include "workbook_package/workbook_package.h"
#include "report_sheet/school_year.h"

namespace soatnoma::module {
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

// What a key does on the report (inBox false) or in its typing box, by the report's table of
// editing keys: "moveUp", "open", "takeDown", ..., "none" when it is not an editing key.
std::string EditingActionOfKey(bool inBox, const std::string& key, bool control, bool meta, bool shift, bool alt) {
  const report_editing::KeyPlace place = inBox ? report_editing::KeyPlace::Box : report_editing::KeyPlace::Report;
  return std::string(report_editing::ActionName(report_editing::ActionOfKey(place, key, {control, meta, shift, alt})));
}

// Why the form's text field ("name", "school" or "subject") refuses text that is not valid
// Unicode; the page finds such text before it hands it over.
std::string BrokenTextMessage(const std::string& field) {
  const FormTextField which = field == "school"    ? FormTextField::School
                              : field == "subject" ? FormTextField::Subject
                                                   : FormTextField::Name;
  return std::string(BrokenTextRefusal(which));
}

// The run of the form: the report after the rounding pass (or before it, when asked),
// described whole, with the file name it is saved under; or the refusal of the input.
std::string BuildReport(const val& request, const val& measure) {
  return ReportWorkbench(request, measure).WholeResult();
}

const char* KindName(form_controls::ControlKind kind) {
  switch (kind) {
    case form_controls::ControlKind::Label: return "label";
    case form_controls::ControlKind::CreditLine: return "creditLine";
    case form_controls::ControlKind::TextBox: return "textBox";
    case form_controls::ControlKind::HelpTextBox: return "helpTextBox";
    case form_controls::ControlKind::Frame: return "frame";
    case form_controls::ControlKind::OptionButton: return "optionButton";
    case form_controls::ControlKind::CheckBox: return "checkBox";
    case form_controls::ControlKind::Button: return "button";
    case form_controls::ControlKind::Picture: break;
  }
  return "picture";
}

const char* FontName(form_controls::ControlFont font) {
  switch (font) {
    case form_controls::ControlFont::Caption: return "caption";
    case form_controls::ControlFont::Entry: return "entry";
    case form_controls::ControlFont::Help: return "help";
    case form_controls::ControlFont::Window: break;
  }
  return "window";
}

// The teacher's form: its size in twips and the twips of a CSS pixel, and every control with its name, caption, tool
// tip, place in twips, tab stop, font and whether it is shown at the start.
std::string FormControls() {
  JsonWriter json;
  json.BeginObject();
  json.Key("width").Integer(form_controls::kClientArea.width).Key("height").Integer(form_controls::kClientArea.height);
  json.Key("twipsPerPixel").Number(form_controls::kTwipsPerStandardPixel);
  json.Key("controls").BeginArray();
  for (const form_controls::ControlSpec& spec : form_controls::FormControls()) {
    json.BeginObject();
    json.Key("name").String(spec.name).Key("kind").String(KindName(spec.kind));
    json.Key("container").String(spec.container).Key("caption").String(spec.caption);
    json.Key("toolTip").String(spec.toolTip);
    json.Key("left").Integer(spec.place.left).Key("top").Integer(spec.place.top);
    json.Key("width").Integer(spec.place.width).Key("height").Integer(spec.place.height);
    json.Key("tabIndex").Integer(spec.tabIndex).Key("font").String(FontName(spec.font));
    json.Key("centred").Bool(spec.centred).Key("shown").Bool(spec.shownAtStart);
    const form_controls::ControlRole role = form_controls::RoleOf(spec.name);
    json.Key("role").String(form_controls::RoleName(role)).Key("numbers").Bool(form_controls::TakesNumbers(role));
    json.Key("inPage").Bool(form_controls::ShownInThePage(role));
    json.Key("label")
        .String(form_controls::LabelOf(spec.name))
        .Key("spokenName")
        .String(form_controls::AccessibleName(spec.name));
    json.Key("description").String(form_controls::AccessibleDescription(spec.name));
    json.Key("placeholder").String(form_controls::PlaceholderOf(spec.name));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Text();
}

// A workbook's package weighed from its listing, as every edition weighs it: sizes, the
// unpacked size of each part the listing declares. "" when it may be read, or "partTooLarge",
// "tooManyParts" or "tooLargeUnpacked".
std::string PackageSizeVerdict(const val& sizes) {
  workbook_package::PackageSizeCount count;
  const auto parts = sizes["length"].as<std::size_t>();
  for (std::size_t i = 0; i < parts; ++i) {
    const double size = sizes[i].as<double>();
    count.Add(size >= 0 && size < 1.8e19 ? static_cast<std::uint64_t>(size)
                                         : workbook_package::kLargestWorkbookPart + 1);
  }
  switch (count.Verdict()) {
    case workbook_package::PackageSize::Fits: break;
    case workbook_package::PackageSize::PartTooLarge: return "partTooLarge";
    case workbook_package::PackageSize::TooManyParts: return "tooManyParts";
    case workbook_package::PackageSize::TooLargeUnpacked: return "tooLargeUnpacked";
  }
  return "";
}

// The school year choice as the desktop offers it: {caption, hint, chosen, offered: [{year,
// text}]} for today's calendar year and the text kept from an earlier choice ("" if none).
std::string SchoolYears(int todayYear, const std::string& kept) {
  JsonWriter json;
  json.BeginObject();
  json.Key("caption").String(report_sheet::kSchoolYearCaption).Key("hint").String(report_sheet::kSchoolYearHint);
  json.Key("chosen").Integer(report_sheet::ChosenSchoolYear(todayYear, report_sheet::ReadKeptSchoolYear(kept)));
  json.Key("offered").BeginArray();
  for (const int year : report_sheet::OfferedSchoolYears(todayYear)) {
    json.BeginObject().Key("year").Integer(year).Key("text").String(report_sheet::SchoolYearText(year)).EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Text();
}

// "Oldingi safardan 2 ta hisobot saqlab qo'yilgan:", as the desktop asks it.
std::string KeptReportsHeading(int count) {
  return screen_view::LeftUnsavedHeading(count > 0 ? static_cast<std::size_t>(count) : 0);
}

}  // namespace

// What the page shows as the desktop shows it: names, headings, the zoom and the words of
// the staff's work, of readings and of faults.
EMSCRIPTEN_BINDINGS(soatnoma_texts) {
  emscripten::function("actionLabels", &ActionLabelsJson);
  emscripten::function("rosterColumns", &RosterColumnsJson);
  emscripten::function("heldZoom", &HeldZoom);
  emscripten::function("steppedZoom", &SteppedZoom);
  emscripten::function("zoomText", &ZoomText);
  emscripten::function("staffProgressText", &StaffProgressText);
  emscripten::function("staffStoppedText", &StaffStoppedText);
  emscripten::function("staffPrintStoppedText", &StaffPrintStoppedText);
  emscripten::function("reportFailedWords", &ReportFailedWords);
  emscripten::function("notOpenedText", &NotOpenedText);
  emscripten::function("reportFontFamily", &ReportFontFamily);
  emscripten::function("readingWords", &ReadingWordsJson);
  emscripten::function("recoveryAnswers", &RecoveryAnswersJson);
  emscripten::function("pageWords", &PageWordsJson);
  emscripten::function("sharedText", &SharedText);
  emscripten::function("exampleSavedText", &ExampleSavedText);
}

// The teacher's form, its keeping and saving words, the help.
EMSCRIPTEN_BINDINGS(soatnoma_teacher_form) {
  emscripten::function("defaultRate", &DefaultRateText);
  emscripten::function("weeklyHoursOfDays", &WeeklyHoursOfDays);
  emscripten::function("dayIsNotANumber", &DayNotANumber);
  emscripten::function("dayNotANumberMessage", &DayNotANumberMessage);
  emscripten::function("editingAction", &EditingActionOfKey);
  emscripten::function("brokenTextMessage", &BrokenTextMessage);
  emscripten::function("buildReport", &BuildReport);
  emscripten::function("formControls", &FormControls);
  emscripten::function("keptReport", &KeptReport);
  emscripten::function("keptReportsHeading", &KeptReportsHeading);
  emscripten::function("keepFailedText", &KeepFailedText);
  emscripten::function("keepingWords", &KeepingWordsJson);
  emscripten::function("storageRefusedText", &StorageRefusedText);
  emscripten::function("saveEndedText", &SaveEndedText);
  emscripten::function("saveFailedWords", &SaveFailedWords);
  emscripten::function("withCustomPropertiesType", &WithCustomPropertiesType);
  emscripten::function("withCustomPropertiesRelation", &WithCustomPropertiesRelation);
  emscripten::function("packagePartNames", &PackagePartNamesJson);
  emscripten::function("packageSizeVerdict", &PackageSizeVerdict);
  emscripten::function("schoolYears", &SchoolYears);
  emscripten::function("helpSections", &HelpSectionsJson);
  emscripten::function("exampleRoster", &ExampleRosterJson);
  emscripten::function("exampleWorkbookParts", &ExampleWorkbookParts);
}

// One teacher's report: drawn, corrected, kept and written as a workbook.
EMSCRIPTEN_BINDINGS(soatnoma_report) {
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
      .function("editorFontPixels", &ReportWorkbench::EditorFontPixels)
      .function("grid", &ReportWorkbench::Grid)
      .function("state", &ReportWorkbench::State)
      .function("cellsToCheck", &ReportWorkbench::CellsToCheck)
      .function("staffChanges", &ReportWorkbench::StaffChanges)
      .function("report", &ReportWorkbench::Report)
      .function("workbookParts", &ReportWorkbench::WorkbookParts)
      .function("explanation", &ReportWorkbench::Explanation)
      .function("beforeRounding", &ReportWorkbench::BeforeRounding);
}

// The staff list read, the staff book made, and a staff workbook opened and printed.
EMSCRIPTEN_BINDINGS(soatnoma_staff) {
  emscripten::function("decodeRoster", &DecodeRoster);
  emscripten::function("readCsvRoster", &ReadCsvRoster);
  emscripten::function("readWorkbookRoster", &ReadWorkbookRoster);
  emscripten::function("maxRosterBytes", &MaxRosterBytes);
  emscripten::function("unreadableRoster", &UnreadableRoster);
  emscripten::function("listLimitsNotice", &ListLimitsNotice);
  emscripten::function("staffWorkbookName", &StaffWorkbookName);
  emscripten::function("staffWorkbookRefusal", &StaffWorkbookRefusal);
  emscripten::function("staffWorkbookListing", &StaffWorkbookListing);
  emscripten::function("sheetReadFirst", &SheetReadFirstOf);
  emscripten::function("workbookSheets", &WorkbookSheetsJson);
  emscripten::function("customProperties", &CustomPropertiesJson);
  emscripten::function("sheetWithChanges", &SheetWithChangesText);
  emscripten::function("staffSaveBackWords", &StaffSaveBackWordsJson);
  emscripten::class_<WorkbookTexts>("WorkbookTexts")
      .constructor<emscripten::val>()
      .function("readable", &WorkbookTexts::Readable)
      .function("cells", &WorkbookTexts::Cells);
  emscripten::class_<StaffBookSession>("StaffBook")
      .constructor<int, emscripten::val>()
      .function("add", &StaffBookSession::Add)
      .function("page", &StaffBookSession::Page)
      .function("correctedSheets", &StaffBookSession::CorrectedSheets)
      .function("takeCorrectedSheet", &StaffBookSession::TakeCorrectedSheet)
      .function("planCarrying", &StaffBookSession::PlanCarrying)
      .function("teachers", &StaffBookSession::Teachers)
      .function("fileText", &StaffBookSession::FileText)
      .function("nothingMadeText", &StaffBookSession::NothingMadeText)
      .function("printText", &StaffBookSession::PrintText)
      .function("anyRefused", &StaffBookSession::AnyRefused)
      .function("workbookParts", &StaffBookSession::WorkbookParts)
      .function("summaryPages", &StaffBookSession::SummaryPages);
  emscripten::class_<StoredStaffPrint>("StoredStaffPrint")
      .constructor<emscripten::val>()
      .function("summary", &StoredStaffPrint::Summary)
      .function("page", &StoredStaffPrint::Page)
      .function("printText", &StoredStaffPrint::PrintText);
}

// The page's measure of text, kept for the page's life and handed to every report and staff.
EMSCRIPTEN_BINDINGS(soatnoma_measure) { emscripten::class_<PageTextMeasure>("PageTextMeasure").constructor<val>(); }

}  // namespace soatnoma::module
