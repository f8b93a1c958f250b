#include "explanation_json.h"

#include "explain/before_rounding_view.h"
#include "explain/cell_explanation.h"
#include "explain/report_explanation.h"
#include "json_writer.h"

namespace soatnoma::module {
namespace {

void Strings(JsonWriter& json, const std::vector<std::string>& texts) {
  json.BeginArray();
  for (const std::string& text : texts) json.String(text);
  json.EndArray();
}

}  // namespace

std::string ExplanationJson(const ToldTable* story, const report_editing::ReportCorrections& corrections,
                            report_editing::CellPlace place) {
  JsonWriter json;
  json.BeginObject().Key("cell").String(explain::ExplainedCellName(place));
  json.Key("lines");
  Strings(json, explain::ExplainReportCell(story, corrections, place));
  json.Key("toolTip").String(explain::CellToolTip(story, corrections, place));
  json.EndObject();
  return json.Text();
}

std::string BeforeRoundingJson(const ToldTable* story) {
  JsonWriter json;
  if (!story) return json.BeginObject().Key("missing").String(explain::kNoStory).EndObject().Text();
  const explain::BeforeRoundingView view = explain::MakeBeforeRoundingView(*story);
  json.BeginObject().Key("caption").String(explain::kBeforeRoundingCaption);
  json.Key("headings");
  Strings(json, view.headings);
  json.Key("rows").BeginArray();
  for (const explain::BeforeRoundingRow& row : view.rows) {
    json.BeginObject().Key("row").Integer(row.row).Key("title").String(row.title).Key("cells");
    Strings(json, row.cells);
    json.EndObject();
  }
  json.EndArray().EndObject();
  return json.Text();
}

}  // namespace soatnoma::module
