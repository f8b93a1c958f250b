#include "workbook_part_reading.h"

#include "report_sheet/sheet_address.h"
#include "workbook_package/stored_number.h"
#include "json_writer.h"
#include "request_fields.h"
#include "staff_book/staff_workbook_file.h"
#include "workbook_reading/package_parts.h"
#include "workbook_reading/sheet_changes.h"
#include "workbook_reading/stored_cells.h"

namespace soatnoma::module {
namespace {

using emscripten::val;
namespace reading = workbook_reading;

void WriteCell(JsonWriter& json, const report_sheet::CellBlock& place, const reading::StoredCell& cell,
               const std::vector<std::string>& texts) {
  json.BeginObject().Key("row").Integer(place.firstRow).Key("column").Integer(place.firstColumn);
  if (cell.formula) {
    json.Key("kind").String("formula").Key("formula").String(cell.formula->text);
    json.Key("formulaKind").String(cell.formula->kind).Key("sharedIndex").String(cell.formula->sharedIndex);
    // The result the workbook keeps with it, which a staff workbook's summary is read by.
    if (cell.value) json.Key("stored").String(*cell.value);
  } else if (reading::IsStoredNumber(cell)) {
    json.Key("kind").String("number").Key("stored").String(*cell.value);
  } else {
    const reading::StoredValue value = reading::ReadStoredValue(cell, texts);
    if (value.kind == reading::StoredValue::Kind::Text)
      json.Key("kind").String("text").Key("text").String(value.text);
    else
      json.Key("kind").String("other");
  }
  json.EndObject();
}

staff_book::StoredCellChange ChangeOf(const val& change) {
  const auto place = report_sheet::ReadCellName(Field(change, "ref"));
  const std::string kind = Field(change, "kind");
  staff_book::StoredCellChange read;
  read.row = place ? place->firstRow : 0;
  read.column = place ? place->firstColumn : 0;
  read.kind = kind == "empty"    ? staff_book::StoredCellChange::Kind::Empty
              : kind == "result" ? staff_book::StoredCellChange::Kind::FormulaResult
                                 : staff_book::StoredCellChange::Kind::Number;
  read.value = workbook_package::ReadStoredNumber(Field(change, "text")).value_or(0);
  read.formula = Field(change, "formula");
  return read;
}

}  // namespace

std::string BytesOf(const val& array) {
  const auto size = array["length"].as<std::size_t>();
  std::string bytes(size, '\0');
  if (size == 0) return bytes;
  val(emscripten::typed_memory_view(size, reinterpret_cast<unsigned char*>(bytes.data()))).call<void>("set", array);
  return bytes;
}

std::string WorkbookSheetsJson(const val& workbook, const val& relations) {
  const auto sheets = reading::WorkbookSheets(BytesOf(workbook), BytesOf(relations));
  JsonWriter json;
  if (!sheets) return json.Null().Text();
  json.BeginArray();
  for (const reading::SheetEntry& sheet : *sheets) {
    json.BeginObject().Key("name").String(sheet.name).Key("entry").String(sheet.entry).EndObject();
  }
  return json.EndArray().Text();
}

std::string CustomPropertiesJson(const val& part) {
  const auto properties = reading::StoredProperties(BytesOf(part));
  JsonWriter json;
  json.BeginArray();
  for (const reading::StoredProperty& property : properties.value_or(std::vector<reading::StoredProperty>())) {
    json.BeginObject().Key("name").String(property.name);
    if (property.type == "lpwstr")
      json.Key("text").String(property.value);
    else
      json.Key("type").String(property.type).Key("stored").String(property.value);
    json.EndObject();
  }
  return json.EndArray().Text();
}

WorkbookTexts::WorkbookTexts(const val& part) {
  if (part.isNull() || part.isUndefined()) return;
  auto texts = reading::SharedTexts(BytesOf(part));
  readable_ = texts.has_value();
  if (texts) texts_ = std::move(*texts);
}

std::string WorkbookTexts::Cells(const val& sheet) const {
  JsonWriter json;
  bool named = true;
  json.BeginArray();
  const bool xml = reading::WalkStoredCells(
      BytesOf(sheet), [](const std::string*) {},
      [&](const reading::StoredCell& cell) {
        const auto place = report_sheet::ReadCellName(cell.ref);
        named = named && place.has_value();
        if (place && cell.HasContent()) WriteCell(json, *place, cell, texts_);
      });
  json.EndArray();
  if (!xml || !named) return JsonWriter().Null().Text();
  return json.Text();
}

val SheetWithChangesText(const std::string& sheet, const val& changes) {
  std::vector<staff_book::StoredCellChange> read;
  const int count = changes.isArray() ? changes["length"].as<int>() : 0;
  for (int i = 0; i < count; ++i) read.push_back(ChangeOf(changes[i]));
  const auto changed = reading::SheetWithChanges(sheet, read);
  return changed ? val(*changed) : val::null();
}

std::string StaffSaveBackWordsJson(const std::string& sheetName) {
  JsonWriter json;
  json.BeginObject();
  json.Key("sheetNotRead").String(staff_book::TeacherSheetNotReadDetail(sheetName));
  json.Key("notWritten").String(staff_book::kStaffWorkbookNotWritten);
  json.EndObject();
  return json.Text();
}

}  // namespace soatnoma::module
