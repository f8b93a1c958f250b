#include "stored_staff_print.h"

#include <variant>

#include "sheet_layout/sheet_layout.h"
#include "report_description.h"
#include "json_writer.h"
#include "staff_book/staff_work_texts.h"
#include "staff_book/stored_summary.h"
#include "staff_book_session.h"
#include "staff_workbook_reading.h"

namespace soatnoma::module {
namespace {

// {message}, or of a page {ok: false, message}.
std::string MessageJson(bool ofPage, const std::string& message) {
  JsonWriter json;
  json.BeginObject();
  if (ofPage) json.Key("ok").Bool(false);
  json.Key("message").String(message).EndObject();
  return json.Text();
}

}  // namespace

StoredStaffPrint::StoredStaffPrint(emscripten::val measure) : measure_(std::move(measure)) {}

std::string StoredStaffPrint::Summary(const std::string& fileName, const emscripten::val& workbook) {
  auto read = ReadStaffWorkbook(fileName, workbook);
  if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&read))
    return MessageJson(false, refusal->message);
  StaffWorkbookRead& staff = std::get<StaffWorkbookRead>(read);
  fileName_ = fileName;
  properties_ = std::move(staff.properties);
  pages_ = 0;
  JsonWriter json;
  json.BeginObject().Key("sheets").BeginArray();
  for (const staff_book::StaffTeacherSheet& teacher : staff.teachers) {
    if (teacher.Openable()) json.String(teacher.sheetName);  // a row that opens no sheet has no page
  }
  json.EndArray();
  // The pages' description is already JSON: it goes in whole as the last member.
  std::string answer = json.EndObject().Text();
  answer.pop_back();
  return answer + R"(,"summary":)" +
         SummaryPagesJson(staff_book::StoredSummary(staff.summary, staff.teachers), measure_.Metrics()) + '}';
}

std::string StoredStaffPrint::Page(const std::string& sheetName, const emscripten::val& sheet) {
  const workbook_package::OpenOutcome opened = OpenTeacherSheet(fileName_, sheetName, properties_, sheet);
  if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&opened))
    return MessageJson(true, refusal->message);
  const report_sheet::ReportSheet& report = std::get<workbook_package::OpenedReport>(opened).sheet;
  const sheet_layout::SheetGeometry layout(report, measure_.Metrics());
  ++pages_;
  return R"({"ok":true,"report":)" + DescribeReport(report, layout) + '}';
}

std::string StoredStaffPrint::PrintText(int summaryPages) const {
  return staff_book::StaffPrintText(summaryPages, pages_, {});
}

}  // namespace soatnoma::module
