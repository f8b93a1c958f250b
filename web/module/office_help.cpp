#include "office_help.h"

#include "help/help_text.h"
#include "json_writer.h"
#include "roster_rules/example_roster.h"

namespace soatnoma::module {
std::string HelpSectionsJson() {
  JsonWriter json;
  json.BeginObject().Key("title").String(help::kHelpTitle);
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
  json.Key("workbookName")
      .String(roster_rules::kExampleWorkbookName)
      .Key("csvName")
      .String(roster_rules::kExampleCsvName);
  json.Key("csv").String(roster_rules::ExampleRosterCsv()).EndObject();
  return json.Text();
}

}  // namespace soatnoma::module
