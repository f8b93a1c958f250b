#include "staff_workbook_reading.h"

#include "json_writer.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "form/stored_number.h"
#include "form/workbook_notes.h"
#include "opened_workbook.h"
#include "request_fields.h"
#include "staff_book/staff_summary.h"
#include "staff_book/staff_workbook_texts.h"

namespace soatnoma::web {
namespace {

using emscripten::val;

int Count(const val& list) { return list.isArray() ? list["length"].as<int>() : 0; }

std::vector<std::string> SheetNamesOf(const val& list) {
  std::vector<std::string> names;
  for (int i = 0; i < Count(list); ++i) names.push_back(list[i].isString() ? list[i].as<std::string>() : std::string());
  return names;
}

// A cell the page read ({row, column, kind, stored, text, formula}) as the part stores it.
std::optional<batch::StoredSheetCell> StoredCellOf(const val& cell) {
  const auto row = IsObject(cell) ? WholeNumber(cell["row"]) : std::nullopt;
  const auto column = IsObject(cell) ? WholeNumber(cell["column"]) : std::nullopt;
  if (!row || !column || *row < 1 || *row > 1'048'576 || *column < 1 || *column > 16'384) return std::nullopt;
  batch::StoredSheetCell stored{static_cast<int>(*row), static_cast<int>(*column), {}, std::nullopt, {}};
  const std::string kind = Field(cell, "kind");
  if (kind == "text") stored.text = Field(cell, "text");
  if (kind == "formula") stored.formula = Field(cell, "formula");
  if (kind == "number" || kind == "formula") stored.number = ReadStoredNumber(StoredTextOf(cell, "stored", "value"));
  return stored;
}

}  // namespace

std::vector<batch::StoredSheetCell> StoredCellsOf(const val& list) {
  std::vector<batch::StoredSheetCell> cells;
  for (int i = 0; i < Count(list); ++i) {
    if (auto cell = StoredCellOf(list[i])) cells.push_back(std::move(*cell));
  }
  return cells;
}

namespace {

std::string TitleOf(const std::vector<batch::StoredSheetCell>& cells) {
  for (const batch::StoredSheetCell& cell : cells) {
    if (cell.row == 1 && cell.column == 1) return cell.text;
  }
  return {};
}

std::string Words(std::string_view text) { return std::string(text); }

void WriteTeachers(JsonWriter& json, const std::vector<batch::StaffTeacherSheet>& teachers) {
  json.Key("teachers").BeginArray();
  for (const batch::StaffTeacherSheet& teacher : teachers) {
    json.BeginObject().Key("sheetName").String(teacher.sheetName).Key("teacher").String(teacher.teacher);
    json.Key("annualTotal").Number(teacher.annualTotal).Key("totalText").String(batch::ListedTotalText(teacher));
    json.Key("openable").Bool(teacher.Openable()).Key("note").String(batch::ListedNote(teacher));
    json.EndObject();
  }
  json.EndArray();
}

void WriteChanges(JsonWriter& json, const char* key, const std::vector<batch::StoredCellChange>& changes) {
  json.Key(key).BeginArray();
  for (const batch::StoredCellChange& change : changes) {
    json.BeginObject().Key("ref").String(ColumnLetters(change.column) + std::to_string(change.row));
    switch (change.kind) {
      case batch::StoredCellChange::Kind::Number: json.Key("kind").String("number"); break;
      case batch::StoredCellChange::Kind::Empty: json.Key("kind").String("empty"); break;
      case batch::StoredCellChange::Kind::FormulaResult: json.Key("kind").String("result"); break;
    }
    if (!change.formula.empty()) json.Key("formula").String(change.formula);
    json.Key("text").String(StoredNumberText(change.value)).EndObject();
  }
  json.EndArray();
}

}  // namespace

int SheetReadFirstOf(const val& properties, const val& sheetNames) {
  return static_cast<int>(batch::SheetReadFirst(ReadProperties(properties), SheetNamesOf(sheetNames)));
}

std::string StaffWorkbookListing(const std::string& fileName, const val& workbook) {
  const std::vector<std::string> sheetNames = SheetNamesOf(IsObject(workbook) ? workbook["sheetNames"] : val::null());
  const std::vector<batch::StoredSheetCell> cells = StoredCellsOf(IsObject(workbook) ? workbook["cells"] : val::null());
  const std::vector<CustomProperty> properties = ReadProperties(IsObject(workbook) ? workbook["properties"] : val::null());
  JsonWriter json;
  json.BeginObject();
  const bool readable = IsObject(workbook) && Field(workbook, "problem").empty();
  switch (readable ? batch::KindOfWorkbook(properties, sheetNames, TitleOf(cells)) : batch::WorkbookKind::Stranger) {
    case batch::WorkbookKind::Report: return json.Key("kind").String("report").EndObject().Text();
    case batch::WorkbookKind::Stranger: return json.Key("kind").String("stranger").EndObject().Text();
    case batch::WorkbookKind::Staff: break;
  }
  json.Key("kind").String("staff");
  const auto teachers = batch::StaffTeachers(cells, sheetNames);
  if (!teachers) return json.Key("message").String(batch::StaffWorkbookWithoutTeachers(fileName).message).EndObject().Text();
  json.Key("title").String(Words(batch::kStaffTeacherChoiceTitle)).Key("question").String(batch::StaffTeacherQuestion(fileName));
  json.Key("headings").BeginArray();
  for (const std::string_view heading : batch::kStaffTeacherHeadings) json.String(heading);
  json.EndArray();
  json.Key("open").String(Words(batch::kStaffTeacherOpen)).Key("cancel").String(Words(batch::kStaffTeacherCancel));
  json.Key("print").String(Words(batch::kStaffWorkbookPrint));
  json.Key("printTip").String(Words(batch::kStaffWorkbookPrintToolTip));
  WriteTeachers(json, *teachers);
  return json.EndObject().Text();
}

std::optional<StaffSheetSource> StaffSheetOf(const val& workbook) {
  if (!IsObject(workbook) || !workbook["staffSheet"].isString()) return std::nullopt;
  return StaffSheetSource{Field(workbook, "staffSheet"), StoredCellsOf(workbook["summaryCells"]),
                          ReadProperties(workbook["properties"])};
}

OpenOutcome OpenStaffSheet(const std::string& fileName, const StaffSheetSource& source, const val& workbook) {
  const std::vector<std::string> sheetNames = SheetNamesOf(workbook["sheetNames"]);
  if (batch::KindOfWorkbook(source.properties, sheetNames, TitleOf(source.summaryCells)) != batch::WorkbookKind::Staff) {
    return batch::NotAStaffWorkbook(fileName);
  }
  const auto teachers = batch::StaffTeachers(source.summaryCells, sheetNames);
  bool listed = false;
  for (const batch::StaffTeacherSheet& teacher : teachers.value_or(std::vector<batch::StaffTeacherSheet>{})) {
    listed = listed || (teacher.Openable() && teacher.sheetName == source.sheetName);
  }
  if (!listed) return batch::NoTeacherSheet(fileName, source.sheetName);
  return OpenTeacherSheet(fileName, source.sheetName, source.properties, workbook);
}

OpenOutcome OpenTeacherSheet(const std::string& fileName, const std::string& sheetName,
                             const std::vector<CustomProperty>& properties, const val& sheet) {
  if (!IsObject(sheet) || !Field(sheet, "problem").empty()) return UnreadableSheet(fileName);
  ReportSheet report = EmptyReportForm();
  if (auto wrongCell = ReadSheetCells(sheet["cells"], report.Cells())) return DamagedWorkbook(fileName, *wrongCell);
  return FinishOpening(fileName, std::move(report), batch::PropertiesOfSheet(properties, sheetName));
}

std::variant<OpenRefusal, StaffWorkbookRead> ReadStaffWorkbook(const std::string& fileName, const val& workbook) {
  if (!IsObject(workbook)) return batch::NotAStaffWorkbook(fileName);
  if (auto refusal = PackageRefusal(fileName, Field(workbook, "problem"))) return std::move(*refusal);
  StaffWorkbookRead read{StoredCellsOf(workbook["cells"]), {}, ReadProperties(workbook["properties"])};
  const std::vector<std::string> sheetNames = SheetNamesOf(workbook["sheetNames"]);
  if (batch::KindOfWorkbook(read.properties, sheetNames, TitleOf(read.summary)) != batch::WorkbookKind::Staff) {
    return batch::NotAStaffWorkbook(fileName);
  }
  auto teachers = batch::StaffTeachers(read.summary, sheetNames);
  if (!teachers) return batch::StaffWorkbookWithoutTeachers(fileName);
  read.teachers = std::move(*teachers);
  return read;
}

std::string StaffChangesJson(const StaffSheetSource& source, const ReportSheet& sheet, const WorkbookNotes& notes) {
  const double total = sheet.Cells().ReadNumber(kFirstWorkRow, col::S);  // the teacher's whole year
  JsonWriter json;
  json.BeginObject();
  WriteChanges(json, "sheet", batch::ReportCellChanges(sheet));
  WriteChanges(json, "summary", batch::SummaryCellChanges(source.summaryCells, source.sheetName, total));
  json.Key("summarySheet").String(batch::kSummarySheetName);
  const std::vector<CustomProperty> properties = batch::PropertiesWithSheetNotes(source.properties, source.sheetName, notes);
  json.Key("properties").String(CustomPropertiesPart(properties));
  return json.EndObject().Text();
}

}  // namespace soatnoma::web
