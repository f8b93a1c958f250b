#include "roster_reading.h"

#include <utility>
#include <vector>

#include "roster_rules/roster.h"
#include "roster_rules/roster_table.h"
#include "roster_rules/roster_file_form.h"
#include "roster_rules/roster_text.h"
#include "roster_rules/workbook_records.h"
#include "json_writer.h"
#include "workbook_part_reading.h"
#include "workbook_reading/roster_sheet.h"
#include "roster_rules/csv_records.h"
#include "model/teacher.h"
#include "workbook_package/workbook_package.h"
#include "staff_book/staff_book.h"

namespace soatnoma::module {
namespace {

using emscripten::val;

// A copy the page keeps, not a view into the module's memory.
val ByteArray(const std::string& bytes) {
  return val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())))
      .call<val>("slice");
}

val Refused(const std::string& message) {
  val answer = val::object();
  answer.set("ok", false);
  answer.set("message", message);
  return answer;
}

void WriteTeacher(JsonWriter& json, const roster_rules::RosterTeacher& teacher) {
  json.Key("name").String(teacher.name).Key("school").String(teacher.school).Key("subject").String(teacher.subject);
  json.Key("category").String(teacher.category == TeacherCategory::Primary ? "primary" : "upper");
  json.Key("weeklyHours").String(teacher.weeklyHours).Key("rate").String(teacher.rate);
  json.Key("classLeader").Bool(teacher.classLeader);
}

std::string RefusedJson(const std::string& message) {
  JsonWriter json;
  json.BeginObject().Key("ok").Bool(false).Key("message").String(message);
  json.EndObject();
  return json.Text();
}

// Every row with its texts as the table lists them, a ready teacher with what the staff's
// reports are made of; and the line that counts them.
std::string RowsJson(const roster_rules::Roster& roster) {
  JsonWriter json;
  if (roster.headingProblem) {
    json.BeginObject().Key("ok").Bool(false).Key("message").String(*roster.headingProblem).EndObject();
    return json.Text();
  }
  json.BeginObject().Key("ok").Bool(true).Key("rows").BeginArray();
  for (const roster_rules::RosterRow& row : roster.rows) {
    json.BeginObject().Key("line").Integer(row.line).Key("ready").Bool(row.teacher.has_value());
    json.Key("cells").BeginArray();
    for (const std::string& text : roster_rules::RosterRowTexts(row)) json.String(text);
    json.EndArray();
    if (row.teacher) WriteTeacher(json, *row.teacher);
    json.EndObject();
  }
  json.EndArray().Key("summary").String(roster_rules::RosterSummaryText(roster)).EndObject();
  return json.Text();
}

// The rows of the records, or the refusal of a list longer than the browser lists.
std::string RosterJson(const std::string& fileName, const std::vector<roster_rules::CsvRecord>& records,
                       bool readAsWindows1251 = false) {
  if (const std::size_t rows = roster_rules::RosterRowCount(records); !staff_book::WorkbookTakes(rows)) {
    return RefusedJson(roster_rules::UnreadableRosterMessage(fileName, staff_book::TooLongListReason(rows)));
  }
  roster_rules::Roster roster = roster_rules::ReadRosterRecords(records);
  roster.readAsWindows1251 = readAsWindows1251;
  return RowsJson(roster);
}

}  // namespace

val DecodeRoster(const std::string& fileName, const val& bytes) {
  if (bytes["length"].as<std::size_t>() > roster_rules::kMaxRosterBytes) {
    return Refused(roster_rules::UnreadableRosterMessage(fileName, roster_rules::kTooLargeReason));
  }
  const std::string contents = BytesOf(bytes);
  val answer = val::object();
  switch (roster_rules::FormOfRosterFile(contents)) {
    case roster_rules::RosterFileForm::OldWorkbook:
      return Refused(roster_rules::UnreadableRosterMessage(fileName, roster_rules::kOldWorkbookReason));
    case roster_rules::RosterFileForm::Workbook:
      answer.set("ok", true);
      answer.set("form", std::string("workbook"));
      return answer;
    case roster_rules::RosterFileForm::Text: break;
  }
  const roster_rules::RosterText decoded = roster_rules::DecodeRosterText(contents);
  answer.set("ok", true);
  answer.set("form", std::string("text"));
  answer.set("text", ByteArray(decoded.text));
  answer.set("separator", std::string(1, decoded.separator));
  answer.set("windows1251", decoded.readAsWindows1251);
  answer.set("notice", decoded.readAsWindows1251 ? std::string(roster_rules::kWindows1251Notice) : std::string());
  return answer;
}

std::string ReadCsvRoster(const std::string& fileName, const val& text, const std::string& separator,
                          bool readAsWindows1251) {
  return RosterJson(fileName, roster_rules::ReadCsvRecords(BytesOf(text), separator.empty() ? ';' : separator[0]),
                    readAsWindows1251);
}

std::string ReadWorkbookRoster(const std::string& fileName, const val& sheet, const WorkbookTexts& texts) {
  std::string whyNot = std::string(workbook_reading::kUnreadableFirstSheet);
  const auto records =
      texts.Readable() ? workbook_reading::RosterRecords(BytesOf(sheet), texts.Texts(), whyNot) : std::nullopt;
  if (!records) return RefusedJson(roster_rules::UnreadableRosterMessage(fileName, whyNot));
  return RosterJson(fileName, *records);
}

double MaxRosterBytes() { return static_cast<double>(roster_rules::kMaxRosterBytes); }

std::string UnreadableRoster(const std::string& fileName, const std::string& why, const std::string& detail) {
  if (why == "tooLarge") return roster_rules::UnreadableRosterMessage(fileName, roster_rules::kTooLargeReason);
  if (why == "notFound") return roster_rules::UnreadableRosterMessage(fileName, roster_rules::kNotFoundReason);
  if (why == "notAWorkbook" || why == "partTooLarge")
    return roster_rules::UnreadableRosterMessage(fileName, roster_rules::kNotAWorkbookReason);
  if (why == "tooManyParts")
    return roster_rules::UnreadableRosterMessage(
        fileName, workbook_package::PackageSizeReason(workbook_package::PackageSize::TooManyParts));
  if (why == "tooLargeUnpacked") {
    return roster_rules::UnreadableRosterMessage(
        fileName, workbook_package::PackageSizeReason(workbook_package::PackageSize::TooLargeUnpacked));
  }
  return roster_rules::UnreadableRosterMessage(fileName, roster_rules::CouldNotReadReason(detail));
}

std::string ListLimitsNotice() { return staff_book::ListLimitsNotice(); }

}  // namespace soatnoma::module
