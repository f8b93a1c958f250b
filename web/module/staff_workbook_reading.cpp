#include "staff_workbook_reading.h"

#include "json_writer.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "workbook_package/stored_number.h"
#include "workbook_package/workbook_notes.h"
#include "opened_workbook.h"
#include "request_fields.h"
#include "staff_book/staff_summary.h"
#include "staff_book/staff_workbook_texts.h"

namespace soatnoma::module {
namespace {

using emscripten::val;

int Count(const val& list) { return list.isArray() ? list["length"].as<int>() : 0; }

std::vector<std::string> SheetNamesOf(const val& list) {
  std::vector<std::string> names;
  for (int i = 0; i < Count(list); ++i) names.push_back(list[i].isString() ? list[i].as<std::string>() : std::string());
  return names;
}

// A cell the page read ({row, column, kind, stored, text, formula}) as the part stores it.
std::optional<staff_book::StoredSheetCell> StoredCellOf(const val& cell) {
  const auto row = IsObject(cell) ? WholeNumber(cell["row"]) : std::nullopt;
  const auto column = IsObject(cell) ? WholeNumber(cell["column"]) : std::nullopt;
  if (!row || !column || *row < 1 || *row > 1'048'576 || *column < 1 || *column > 16'384) return std::nullopt;
  staff_book::StoredSheetCell stored{static_cast<int>(*row), static_cast<int>(*column), {}, std::nullopt, {}};
  const std::string kind = Field(cell, "kind");
  if (kind == "text") stored.text = Field(cell, "text");
  if (kind == "formula") stored.formula = Field(cell, "formula");
  if (kind == "number" || kind == "formula")
    stored.number = workbook_package::ReadStoredNumber(StoredTextOf(cell, "stored", "value"));
  return stored;
}

}  // namespace

std::vector<staff_book::StoredSheetCell> StoredCellsOf(const val& list) {
  std::vector<staff_book::StoredSheetCell> cells;
  for (int i = 0; i < Count(list); ++i) {
    if (auto cell = StoredCellOf(list[i])) cells.push_back(std::move(*cell));
  }
  return cells;
}

namespace {

std::string TitleOf(const std::vector<staff_book::StoredSheetCell>& cells) {
  for (const staff_book::StoredSheetCell& cell : cells) {
    if (cell.row == 1 && cell.column == 1) return cell.text;
  }
  return {};
}

std::string Words(std::string_view text) { return std::string(text); }

void WriteTeachers(JsonWriter& json, const std::vector<staff_book::StaffTeacherSheet>& teachers) {
  json.Key("teachers").BeginArray();
  for (const staff_book::StaffTeacherSheet& teacher : teachers) {
    json.BeginObject().Key("sheetName").String(teacher.sheetName).Key("teacher").String(teacher.teacher);
    json.Key("annualTotal").Number(teacher.annualTotal).Key("totalText").String(staff_book::ListedTotalText(teacher));
    json.Key("openable").Bool(teacher.Openable()).Key("note").String(staff_book::ListedNote(teacher));
    json.EndObject();
  }
  json.EndArray();
}

void WriteChanges(JsonWriter& json, const char* key, const std::vector<staff_book::StoredCellChange>& changes) {
  json.Key(key).BeginArray();
  for (const staff_book::StoredCellChange& change : changes) {
    json.BeginObject().Key("ref").String(ColumnLetters(change.column) + std::to_string(change.row));
    switch (change.kind) {
      case staff_book::StoredCellChange::Kind::Number: json.Key("kind").String("number"); break;
      case staff_book::StoredCellChange::Kind::Empty: json.Key("kind").String("empty"); break;
      case staff_book::StoredCellChange::Kind::FormulaResult: json.Key("kind").String("result"); break;
    }
    if (!change.formula.empty()) json.Key("formula").String(change.formula);
    json.Key("text").String(workbook_package::StoredNumberText(change.value)).EndObject();
  }
  json.EndArray();
}

}  // namespace

int SheetReadFirstOf(const val& properties, const val& sheetNames) {
  return static_cast<int>(staff_book::SheetReadFirst(ReadProperties(properties), SheetNamesOf(sheetNames)));
}

std::string StaffWorkbookListing(const std::string& fileName, const val& workbook) {
  const std::vector<std::string> sheetNames = SheetNamesOf(IsObject(workbook) ? workbook["sheetNames"] : val::null());
  const std::vector<staff_book::StoredSheetCell> cells =
      StoredCellsOf(IsObject(workbook) ? workbook["cells"] : val::null());
  const std::vector<workbook_package::CustomProperty> properties =
      ReadProperties(IsObject(workbook) ? workbook["properties"] : val::null());
  JsonWriter json;
  json.BeginObject();
  const bool readable = IsObject(workbook) && Field(workbook, "problem").empty();
  switch (readable ? staff_book::KindOfWorkbook(properties, sheetNames, TitleOf(cells))
                   : staff_book::WorkbookKind::Stranger) {
    case staff_book::WorkbookKind::Report: return json.Key("kind").String("report").EndObject().Text();
    case staff_book::WorkbookKind::Stranger: return json.Key("kind").String("stranger").EndObject().Text();
    case staff_book::WorkbookKind::Staff: break;
  }
  json.Key("kind").String("staff");
  const auto teachers = staff_book::StaffTeachers(cells, sheetNames);
  if (!teachers)
    return json.Key("message").String(staff_book::StaffWorkbookWithoutTeachers(fileName).message).EndObject().Text();
  json.Key("title")
      .String(Words(staff_book::kStaffTeacherChoiceTitle))
      .Key("question")
      .String(staff_book::StaffTeacherQuestion(fileName));
  json.Key("headings").BeginArray();
  for (const std::string_view heading : staff_book::kStaffTeacherHeadings) json.String(heading);
  json.EndArray();
  json.Key("open")
      .String(Words(staff_book::kStaffTeacherOpen))
      .Key("cancel")
      .String(Words(staff_book::kStaffTeacherCancel));
  json.Key("print").String(Words(staff_book::kStaffWorkbookPrint));
  json.Key("printTip").String(Words(staff_book::kStaffWorkbookPrintToolTip));
  WriteTeachers(json, *teachers);
  return json.EndObject().Text();
}

std::optional<StaffSheetSource> StaffSheetOf(const val& workbook) {
  if (!IsObject(workbook) || !workbook["staffSheet"].isString()) return std::nullopt;
  return StaffSheetSource{Field(workbook, "staffSheet"), StoredCellsOf(workbook["summaryCells"]),
                          ReadProperties(workbook["properties"])};
}

workbook_package::OpenOutcome OpenStaffSheet(const std::string& fileName, const StaffSheetSource& source,
                                             const val& workbook) {
  const std::vector<std::string> sheetNames = SheetNamesOf(workbook["sheetNames"]);
  if (staff_book::KindOfWorkbook(source.properties, sheetNames, TitleOf(source.summaryCells)) !=
      staff_book::WorkbookKind::Staff) {
    return staff_book::NotAStaffWorkbook(fileName);
  }
  const auto teachers = staff_book::StaffTeachers(source.summaryCells, sheetNames);
  bool listed = false;
  for (const staff_book::StaffTeacherSheet& teacher : teachers.value_or(std::vector<staff_book::StaffTeacherSheet>{})) {
    listed = listed || (teacher.Openable() && teacher.sheetName == source.sheetName);
  }
  if (!listed) return staff_book::NoTeacherSheet(fileName, source.sheetName);
  return OpenTeacherSheet(fileName, source.sheetName, source.properties, workbook);
}

workbook_package::OpenOutcome OpenTeacherSheet(const std::string& fileName, const std::string& sheetName,
                                               const std::vector<workbook_package::CustomProperty>& properties,
                                               const val& sheet) {
  if (!IsObject(sheet) || !Field(sheet, "problem").empty()) return workbook_package::UnreadableSheet(fileName);
  report_sheet::ReportSheet report = workbook_package::EmptyReportForm();
  if (auto wrongCell = ReadSheetCells(sheet["cells"], report.Cells()))
    return workbook_package::DamagedWorkbook(fileName, *wrongCell);
  return workbook_package::FinishOpening(fileName, std::move(report),
                                         staff_book::PropertiesOfSheet(properties, sheetName));
}

std::variant<workbook_package::OpenRefusal, StaffWorkbookRead> ReadStaffWorkbook(const std::string& fileName,
                                                                                 const val& workbook) {
  if (!IsObject(workbook)) return staff_book::NotAStaffWorkbook(fileName);
  if (auto refusal = PackageRefusal(fileName, Field(workbook, "problem"))) return std::move(*refusal);
  StaffWorkbookRead read{StoredCellsOf(workbook["cells"]), {}, ReadProperties(workbook["properties"])};
  const std::vector<std::string> sheetNames = SheetNamesOf(workbook["sheetNames"]);
  if (staff_book::KindOfWorkbook(read.properties, sheetNames, TitleOf(read.summary)) !=
      staff_book::WorkbookKind::Staff) {
    return staff_book::NotAStaffWorkbook(fileName);
  }
  auto teachers = staff_book::StaffTeachers(read.summary, sheetNames);
  if (!teachers) return staff_book::StaffWorkbookWithoutTeachers(fileName);
  read.teachers = std::move(*teachers);
  return read;
}

std::string StaffChangesJson(const StaffSheetSource& source, const report_sheet::ReportSheet& sheet,
                             const workbook_package::WorkbookNotes& notes) {
  const double total = sheet.Cells().ReadNumber(kFirstWorkRow, col::S);  // the teacher's whole year
  JsonWriter json;
  json.BeginObject();
  WriteChanges(json, "sheet", staff_book::ReportCellChanges(sheet));
  WriteChanges(json, "summary", staff_book::SummaryCellChanges(source.summaryCells, source.sheetName, total));
  json.Key("summarySheet").String(staff_book::kSummarySheetName);
  const std::vector<workbook_package::CustomProperty> properties =
      staff_book::PropertiesWithSheetNotes(source.properties, source.sheetName, notes);
  json.Key("properties").String(workbook_package::CustomPropertiesPart(properties));
  return json.EndObject().Text();
}

}  // namespace soatnoma::module
