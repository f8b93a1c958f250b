#include "request_fields.h"

#include "json_writer.h"

namespace soatnoma::web {

using emscripten::val;

std::string Field(const val& request, const char* name) {
  const val field = request[name];
  return field.isString() ? field.as<std::string>() : std::string();
}

bool Flag(const val& request, const char* name) { return request[name].isTrue(); }

TeacherCategory CategoryOf(const val& request) {
  return Field(request, "category") == "primary" ? TeacherCategory::Primary : TeacherCategory::Upper;
}

std::string RefusalJson(std::string_view message, bool clearsWeeklyHours) {
  JsonWriter json;
  json.BeginObject().Key("ok").Bool(false).Key("message").String(message);
  json.Key("clearsWeeklyHours").Bool(clearsWeeklyHours).EndObject();
  return json.Text();
}

}  // namespace soatnoma::web
