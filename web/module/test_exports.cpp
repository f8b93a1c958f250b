// What only the tests ask of the module: the table as `soatnoma-cli table` prints it, so the
// browser's tests hold the module to the reference tables.
// Linked into the test module only; the page never calls these.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <variant>

#include "json_writer.h"
#include "model/table_csv.h"
#include "request_fields.h"

namespace soatnoma::module {
namespace {

using emscripten::val;

// The table C5:S20 as `soatnoma-cli table` prints it: {ok, csv} or {ok: false, message}.
std::string TableCsv(const val& request) {
  const std::string weekly = Field(request, "weekly");
  const std::string rate = Field(request, "rate");
  const DistributionInput input{CategoryOf(request), weekly, rate, Flag(request, "leader")};
  const auto csv = TeacherTableCsv(input, Flag(request, "beforeRounding"));
  if (const auto* refusal = std::get_if<Refusal>(&csv))
    return RefusalJson(refusal->message, refusal->clearsWeeklyHours);
  JsonWriter json;
  json.BeginObject().Key("ok").Bool(true).Key("csv").String(std::get<std::string>(csv)).EndObject();
  return json.Text();
}

}  // namespace

EMSCRIPTEN_BINDINGS(soatnoma_tests) { emscripten::function("tableCsv", &TableCsv); }

}  // namespace soatnoma::module
