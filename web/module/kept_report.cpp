#include "kept_report.h"

#include <array>
#include <exception>
#include <optional>
#include <variant>

#include "json_writer.h"
#include "model/relative_formula.h"
#include "model/school_year.h"
#include "model/workload_table.h"
#include "opened_workbook.h"
#include "report_editing/correction_texts.h"
#include "screen_view/recovery_texts.h"
#include "report_sheet/report_builder.h"
#include "report_editing/report_corrections.h"
#include "report_sheet/report_texts.h"
#include "request_fields.h"

namespace soatnoma::module {
namespace {

using emscripten::val;

// The fields of a kept run, of the kinds the form gives them, by the words a teacher knows.
struct FieldRule {
  const char* name;
  const char* kind;  // what JavaScript's typeof says of it
  const char* words;
};
constexpr std::array<FieldRule, 8> kRequestFields = {{
    {"category", "string", "toifa"},
    {"weekly", "string", "ajratilgan dars soati"},
    {"rate", "string", "dars stavkasi"},
    {"leader", "boolean", "sinf rahbarligi"},
    {"name", "string", "o'qituvchining ismi"},
    {"school", "string", "maktab"},
    {"subject", "string", "fan"},
    {"year", "number", "o'quv yili"},
}};

std::string Damaged(const char* words) { return std::string(words) + " yozuvi buzilgan."; }

std::optional<std::string> RequestProblem(const val& request) {
  for (const FieldRule& field : kRequestFields) {
    if (request[field.name].typeOf().as<std::string>() != field.kind) return Damaged(field.words);
  }
  const std::string category = Field(request, "category");
  if (category != "primary" && category != "upper") return std::string("toifa noma'lum.");
  const std::optional<long long> year = WholeNumber(request["year"]);
  if (!year || !IsCalendarYear(*year)) return Damaged("o'quv yili");
  return std::nullopt;
}

std::optional<screen_view::LocalMinute> MinuteOf(const val& at) {
  if (!IsObject(at)) return std::nullopt;
  const auto part = [&at](const char* name, long long least, long long most) {
    const std::optional<long long> number = WholeNumber(at[name]);
    return number && *number >= least && *number <= most ? std::optional<int>(static_cast<int>(*number)) : std::nullopt;
  };
  const auto year = part("year", 1, 9999);
  const auto month = part("month", 1, 12);
  const auto day = part("day", 1, 31);
  const auto hour = part("hour", 0, 23);
  const auto minute = part("minute", 0, 59);
  if (!year || !month || !day || !hour || !minute) return std::nullopt;
  return screen_view::LocalMinute{*year, *month, *day, *hour, *minute};
}

// The report a kept run makes again, or the reason it makes none.
std::variant<std::string, report_sheet::ReportSheet> RunAgain(const val& request, screen_view::KeptReportFacts& facts) {
  facts.teacherName = Field(request, "name");
  const report_sheet::ReportRequest run = RunOf(request);
  facts.calendarYear = run.calendarYear;
  if (auto problem = RequestProblem(request)) return *problem;
  try {
    report_sheet::ReportOutcome outcome = report_sheet::BuildReport(run);
    if (const auto* refusal = std::get_if<soatnoma::Refusal>(&outcome)) return std::string(refusal->message);
    return std::get<report_sheet::ReportSheet>(std::move(outcome));
  } catch (const std::exception& fault) {
    return std::string(report_sheet::kReportFailedMessage) + fault.what();
  }
}

// A kept workbook opened again, or the reason it is refused.
std::variant<std::string, workbook_package::OpenedReport> OpenAgain(const val& opened,
                                                                    screen_view::KeptReportFacts& facts) {
  const std::string fileName = Field(opened, "fileName");
  if (facts.fileName.empty()) facts.fileName = fileName;
  if (fileName.empty()) return std::string("ish kitobining nomi yo'q.");
  facts.sheetName = Field(opened["workbook"], "staffSheet");
  // A staff workbook's teacher goes back into the whole workbook, kept beside it.
  if (!facts.sheetName.empty() && !IsObject(opened["staffBook"]))
    return std::string("xodimlar kitobining o'zi saqlanmagan.");
  workbook_package::OpenOutcome outcome = OpenReadWorkbook(fileName, opened["workbook"]);
  if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&outcome)) return refusal->message;
  auto& report = std::get<workbook_package::OpenedReport>(outcome);
  facts.teacherName = report_sheet::TeacherNameOfFooter(report.sheet.Cells().TextAt(22, 1)).value_or("");
  facts.calendarYear = report_sheet::CalendarYearOfTitle(report.sheet.Cells().TextAt(2, 1)).value_or(0);
  return std::move(report);
}

// The teacher's hours of every cell, held to the rules of typing them.
std::optional<std::string> EntriesProblem(const val& entries, const report_editing::ReportCorrections& corrections) {
  if (!entries.isArray()) return Damaged("tuzatishlar");
  const int count = entries["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    const val entry = entries[i];
    const auto row = IsObject(entry) ? WholeNumber(entry["row"]) : std::nullopt;
    const auto column = IsObject(entry) ? WholeNumber(entry["column"]) : std::nullopt;
    if (!row || !column) return Damaged("tuzatishlar");
    const bool inTable = *row >= kFirstWorkRow && *row <= kLastWorkRow && *column >= col::C && *column <= col::S;
    const report_editing::CellPlace place{static_cast<int>(inTable ? *row : 0),
                                          static_cast<int>(inTable ? *column : 0)};
    if (!inTable || !corrections.IsEditable(place))
      return std::string("tuzatishlardan biri soat kataklaridan tashqarida.");
    const val hours = entry["hours"];
    if (hours.isNull()) continue;
    if (!hours.isNumber()) return report_editing::PlaceName(place) + ": soat yozuvi buzilgan.";
    const report_editing::HoursEntry taken = report_editing::TakeHours(hours.as<double>());
    if (!taken.hours) return report_editing::PlaceName(place) + ": " + taken.refusal;
  }
  return std::nullopt;
}

// Why the record cannot be taken back; empty when it can. Learns what names it on the way.
std::string ProblemOf(const val& record, screen_view::KeptReportFacts& facts) {
  const val request = record["request"];
  const val opened = record["opened"];
  if (IsObject(request)) {
    auto run = RunAgain(request, facts);
    if (auto* problem = std::get_if<std::string>(&run)) return *problem;
    report_editing::ReportCorrections corrections(std::get<report_sheet::ReportSheet>(run));
    return EntriesProblem(record["entries"], corrections).value_or("");
  }
  if (IsObject(opened)) {
    auto report = OpenAgain(opened, facts);
    if (auto* problem = std::get_if<std::string>(&report)) return *problem;
    auto& again = std::get<workbook_package::OpenedReport>(report);
    report_editing::ReportCorrections corrections(again.sheet, again.notes);
    return EntriesProblem(record["entries"], corrections).value_or("");
  }
  return "hisobotning ma'lumotlari yo'q.";
}

}  // namespace

std::string KeptReport(const val& record, const val& keptAt) {
  screen_view::KeptReportFacts facts;
  facts.keptAt = MinuteOf(keptAt);
  const bool downloaded = IsObject(record) && record["downloaded"].isString();
  if (downloaded) facts.fileName = record["downloaded"].as<std::string>();
  const std::string problem = IsObject(record) ? ProblemOf(record, facts) : "hisobotning ma'lumotlari yo'q.";
  JsonWriter json;
  json.BeginObject().Key("ok").Bool(problem.empty());
  json.Key("description").String(screen_view::KeptReportDescription(facts)).Key("downloaded").Bool(downloaded);
  if (!problem.empty()) json.Key("reason").String(problem);
  json.EndObject();
  return json.Text();
}

}  // namespace soatnoma::module
