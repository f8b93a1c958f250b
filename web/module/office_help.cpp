#include "office_help.h"

#include <variant>

#include "help/help_text.h"
#include "json_writer.h"
#include "roster_rules/example_roster.h"

namespace soatnoma::web {
namespace {

void WriteSheet(JsonWriter& json, const batch::ExampleSheet& sheet) {
  json.BeginObject().Key("name").String(sheet.name).Key("headingRow").Bool(sheet.headingRow);
  json.Key("widths").BeginArray();
  for (const batch::ExampleColumnWidth& width : sheet.widths) {
    json.BeginObject().Key("first").Integer(width.firstColumn).Key("last").Integer(width.lastColumn);
    json.Key("characters").Number(width.characters).EndObject();
  }
  json.EndArray().Key("rows").BeginArray();
  for (const std::vector<batch::ExampleCell>& row : sheet.rows) {
    json.BeginArray();
    for (const batch::ExampleCell& cell : row) {
      json.BeginObject();
      if (const double* number = std::get_if<double>(&cell)) {
        json.Key("number").Number(*number);
      } else {
        json.Key("text").String(std::get<std::string>(cell));
      }
      json.EndObject();
    }
    json.EndArray();
  }
  json.EndArray().EndObject();
}

}  // namespace

std::string HelpSectionsJson() {
  JsonWriter json;
  json.BeginObject().Key("title").String(help::kHelpTitle).Key("close").String(help::kHelpClose);
  json.Key("sections").BeginArray();
  for (const help::HelpSection& section : help::HelpSections()) {
    json.BeginObject().Key("heading").String(section.heading).Key("paragraphs").BeginArray();
    for (const std::string& paragraph : section.paragraphs) json.String(paragraph);
    json.EndArray().EndObject();
  }
  json.EndArray().EndObject();
  return json.Text();
}

std::string ExampleRosterJson() {
  JsonWriter json;
  json.BeginObject();
  json.Key("workbookName").String(batch::kExampleWorkbookName).Key("csvName").String(batch::kExampleCsvName);
  json.Key("csv").String(batch::ExampleRosterCsv());
  json.Key("sheets").BeginArray();
  for (const batch::ExampleSheet& sheet : batch::ExampleRosterSheets()) WriteSheet(json, sheet);
  json.EndArray().EndObject();
  return json.Text();
}

}  // namespace soatnoma::web
