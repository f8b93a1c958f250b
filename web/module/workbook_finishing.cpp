#include "workbook_finishing.h"

#include <optional>

#include "form/report_sheet.h"
#include "form/workbook_finish.h"
#include "request_fields.h"

namespace soatnoma::web {
namespace {

using emscripten::val;

val TextOrNull(const std::optional<std::string>& text) { return text ? val(*text) : val::null(); }

double NumberField(const val& object, const char* name, double otherwise) {
  const val field = object[name];
  return field.isNumber() ? field.as<double>() : otherwise;
}

// A report sheet's finish as the form's description gave it.
SheetFinish SheetFinishOf(const val& finish) {
  SheetFinish read;
  read.headerMarginInches = NumberField(finish, "headerMargin", read.headerMarginInches);
  read.footerMarginInches = NumberField(finish, "footerMargin", read.footerMarginInches);
  const val rows = finish["automaticRows"];
  const auto count = rows.isArray() ? rows["length"].as<std::size_t>() : 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (const auto row = WholeNumber(rows[i])) read.automaticRows.push_back(static_cast<int>(*row));
  }
  return read;
}

}  // namespace

val FinishedStyles(const std::string& styles) { return TextOrNull(soatnoma::FinishedStyles(styles, ReportSheet().Font())); }

val FinishedWorksheet(const std::string& worksheet, const val& finish) {
  if (!IsObject(finish)) return TextOrNull(soatnoma::FinishedWorksheet(worksheet, nullptr, NumberTexts::Stored));
  const SheetFinish read = SheetFinishOf(finish);
  return TextOrNull(soatnoma::FinishedWorksheet(worksheet, &read, NumberTexts::Stored));
}

val WithCustomPropertiesType(const std::string& contentTypes) {
  return TextOrNull(soatnoma::WithCustomPropertiesType(contentTypes));
}

val WithCustomPropertiesRelation(const std::string& relations) {
  return TextOrNull(soatnoma::WithCustomPropertiesRelation(relations));
}

}  // namespace soatnoma::web
