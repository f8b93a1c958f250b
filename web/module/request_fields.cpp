#include "request_fields.h"

#include <cmath>

#include "json_writer.h"
#include "model/school_year.h"

namespace soatnoma::module {

using emscripten::val;

bool IsObject(const val& value) { return value.typeOf().as<std::string>() == "object" && !value.isNull(); }

std::optional<long long> WholeNumber(const val& value) {
  if (!value.isNumber()) return std::nullopt;
  const double number = value.as<double>();
  // Beyond 2^53 a double holds no fractions at all; such a number is no count or place.
  if (!std::isfinite(number) || std::trunc(number) != number || std::fabs(number) > 9007199254740992.0) {
    return std::nullopt;
  }
  return static_cast<long long>(number);
}

std::string Field(const val& request, const char* name) {
  if (!IsObject(request)) return {};
  const val field = request[name];
  return field.isString() ? field.as<std::string>() : std::string();
}

bool Flag(const val& request, const char* name) { return IsObject(request) && request[name].isTrue(); }

TeacherCategory CategoryOf(const val& request) {
  return Field(request, "category") == "primary" ? TeacherCategory::Primary : TeacherCategory::Upper;
}

report_sheet::ReportRequest RunOf(const val& request) {
  const std::optional<long long> year = IsObject(request) ? WholeNumber(request["year"]) : std::nullopt;
  return {
      .category = CategoryOf(request),
      .weeklyHours = Field(request, "weekly"),
      .rate = Field(request, "rate"),
      .classLeader = Flag(request, "leader"),
      .texts = {.school = Field(request, "school"),
                .subject = Field(request, "subject"),
                .name = Field(request, "name")},
      .calendarYear = year && IsCalendarYear(*year) ? static_cast<int>(*year) : 0,
  };
}

std::string RefusalJson(std::string_view message, bool clearsWeeklyHours) {
  JsonWriter json;
  json.BeginObject().Key("ok").Bool(false).Key("message").String(message);
  json.Key("clearsWeeklyHours").Bool(clearsWeeklyHours).EndObject();
  return json.Text();
}

}  // namespace soatnoma::module
