#include "staff_book_session.h"

#include <exception>
#include <limits>
#include <variant>

#include "report_description.h"
#include "package_parts.h"
#include "json_writer.h"
#include "report_sheet/report_builder.h"
#include "sheet_layout/sheet_layout.h"
#include "staff_book/summary_pages.h"
#include "request_fields.h"
#include "report_editing/cells_to_check.h"
#include "workbook_package/workbook_notes.h"
#include "opened_workbook.h"
#include "staff_workbook_reading.h"
#include "staff_book/staff_work_texts.h"

namespace soatnoma::module {
namespace {

using emscripten::val;

roster_rules::RosterTeacher TeacherOf(const val& teacher) {
  roster_rules::RosterTeacher read;
  read.line = teacher["line"].isNumber() ? teacher["line"].as<int>() : 0;
  read.name = Field(teacher, "name");
  read.school = Field(teacher, "school");
  read.subject = Field(teacher, "subject");
  read.category = CategoryOf(teacher);
  read.weeklyHours = Field(teacher, "weeklyHours");
  read.rate = Field(teacher, "rate");
  read.classLeader = Flag(teacher, "classLeader");
  return read;
}

std::string RefusedJson(const roster_rules::RosterProblem& problem) {
  JsonWriter json;
  json.BeginObject().Key("ok").Bool(false).Key("line").Integer(problem.line);
  json.Key("reason").String(roster_rules::DescribeProblem(problem)).EndObject();
  return json.Text();
}

}  // namespace

StaffBookSession::StaffBookSession(int calendarYear, val measure)
    : measure_(std::move(measure)), book_(calendarYear), workbook_(calendarYear), calendarYear_(calendarYear) {}

std::variant<report_sheet::ReportSheet, std::string> StaffBookSession::Report(
    const roster_rules::RosterTeacher& teacher) {
  report_sheet::ReportOutcome outcome;
  std::string refusal;
  try {
    outcome = report_sheet::BuildReport(staff_book::ReportRequestFor(teacher, calendarYear_));
    if (const auto* refused = std::get_if<soatnoma::Refusal>(&outcome)) refusal = refused->message;
  } catch (const std::exception& fault) {
    refusal = std::string(report_sheet::kReportFailedMessage) + fault.what();
  }
  if (refusal.empty()) return std::move(std::get<report_sheet::ReportSheet>(outcome));
  refused_.push_back({teacher.line, refusal});
  return RefusedJson(refused_.back());
}

std::string StaffBookSession::CorrectedSheets(const val& workbook) {
  earlier_ = IsObject(workbook) ? staff_book::CorrectedTeachers(StoredCellsOf(workbook["cells"]),
                                                                ReadProperties(workbook["properties"]))
                                : std::vector<staff_book::CorrectedTeacher>();
  JsonWriter json;
  json.BeginArray();
  for (const staff_book::CorrectedTeacher& teacher : earlier_) json.String(teacher.sheetName);
  json.EndArray();
  return json.Text();
}

void StaffBookSession::TakeCorrectedSheet(const std::string& sheetName, const val& workbook) {
  for (staff_book::CorrectedTeacher& teacher : earlier_) {
    if (teacher.sheetName != sheetName || !IsObject(workbook)) continue;
    staff_book::TakeCorrectedEntries(teacher, StoredCellsOf(workbook["cells"]));
  }
}

std::string StaffBookSession::PlanCarrying(const val& teachers, const std::string& fileName) {
  std::vector<roster_rules::RosterTeacher> listed;
  const int count = teachers.isArray() ? teachers["length"].as<int>() : 0;
  for (int i = 0; i < count; ++i) listed.push_back(TeacherOf(teachers[i]));
  carried_ = staff_book::PlanCarrying(earlier_, listed, calendarYear_);
  JsonWriter json;
  json.BeginObject();
  const bool allCarried = carried_.notCarried.empty();
  json.Key("question").String(allCarried ? std::string() : staff_book::NotCarriedQuestion(carried_, fileName));
  json.Key("otherName").String(std::string(staff_book::kCarryOtherNameLabel));
  json.Key("goOn")
      .String(std::string(staff_book::kCarryGoOnLabel))
      .Key("cancel")
      .String(std::string(staff_book::kWriteNothingLabel));
  json.Key("otherFileName").String(staff_book::OtherWorkbookName(fileName)).EndObject();
  return json.Text();
}

std::string StaffBookSession::Add(const val& teacher) {
  const roster_rules::RosterTeacher read = TeacherOf(teacher);
  auto report = Report(read);
  const std::span<const staff_book::CorrectedCell> corrections = carried_.CorrectionsOf(added_++);
  if (const auto* refused = std::get_if<std::string>(&report)) return *refused;
  report_sheet::ReportSheet& sheet = std::get<report_sheet::ReportSheet>(report);
  const workbook_package::WorkbookNotes notes = staff_book::ApplyCorrections(sheet, corrections);
  const sheet_layout::SheetGeometry layout(sheet, measure_.Metrics());
  const std::string sheetName = workbook_.Add(read, sheet, layout, notes);
  JsonWriter json;
  json.BeginObject().Key("ok").Bool(true).Key("sheetName").String(sheetName).EndObject();
  return json.Text();
}

val StaffBookSession::WorkbookParts() { return PartsForScript(workbook_.TakeParts()); }

std::string StaffBookSession::Page(const val& teacher) {
  const roster_rules::RosterTeacher read = TeacherOf(teacher);
  auto report = Report(read);
  if (const auto* refused = std::get_if<std::string>(&report)) return *refused;
  const report_sheet::ReportSheet& sheet = std::get<report_sheet::ReportSheet>(report);
  book_.Add(read, sheet);
  const sheet_layout::SheetGeometry layout(sheet, measure_.Metrics());
  ++pages_;
  return R"({"ok":true,"report":)" + DescribeReport(sheet, layout) + '}';
}

std::string StaffBookSession::FileText(const std::string& fileName) const {
  const std::string carried = staff_book::CarriedText(carried_);
  return staff_book::StaffFileText(workbook_.Teachers(), fileName, staff_book::StaffFileFate::HandedToBrowser,
                                   refused_) +
         (carried.empty() ? "" : "\n\n" + carried);
}

std::string StaffBookSession::NothingMadeText() const { return staff_book::NothingMadeText(refused_); }

std::string StaffBookSession::PrintText(int summaryPages) const {
  return staff_book::StaffPrintText(summaryPages, pages_, refused_);
}

std::string StaffBookSession::SummaryPages() { return SummaryPagesJson(book_.Summary(), measure_.Metrics()); }

std::string SummaryPagesJson(const staff_book::SummarySheet& summary, sheet_layout::TextMetrics& metrics) {
  const report_sheet::StandardFont font = report_sheet::ReportSheet().Font();
  const staff_book::SummaryPrint print = staff_book::LaySummaryPages(summary, font, metrics);
  JsonWriter json;
  json.BeginArray();
  for (const staff_book::SummaryPrintPage& page : print.pages) {
    json.BeginObject();
    json.Key("font").BeginObject().Key("family").String(font.family).Key("size").Number(font.size).EndObject();
    json.Key("width").Number(print.paperWidth).Key("height").Number(print.paperHeight);
    WriteBoxes(json, nullptr, page.boxes, 0, std::numeric_limits<int>::max());
    json.Key("page").BeginObject().Key("width").Number(print.paperWidth).Key("height").Number(print.paperHeight);
    json.Key("sheet").BeginObject().Key("left").Number(0).Key("top").Number(0).Key("scale").Number(1).EndObject();
    json.EndObject();
    json.EndObject();
  }
  json.EndArray();
  return json.Text();
}

std::string StaffWorkbookName(const std::string& rosterFileName) {
  return staff_book::StaffFileName(rosterFileName, "xlsx");
}

std::string StaffWorkbookRefusal(int teachers) {
  const bool taken = teachers <= 0 || staff_book::WorkbookTakes(static_cast<std::size_t>(teachers));
  return taken ? std::string() : staff_book::TooManyTeachersMessage();
}

}  // namespace soatnoma::module
