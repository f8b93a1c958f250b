#pragma once
// What the page asks the module with: the form's fields read from a JavaScript object, and
// the answer that refuses the input.

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

#include "model/teacher.h"
#include "report_sheet/report_builder.h"

namespace soatnoma::module {

// An object whose fields can be read: not null, not a number or a text.
bool IsObject(const emscripten::val& value);
// The number when it is a whole one (no fraction, not NaN or infinite).
std::optional<long long> WholeNumber(const emscripten::val& value);
// The field's text; empty when it is missing or not text (or request is no object).
std::string Field(const emscripten::val& request, const char* name);
bool Flag(const emscripten::val& request, const char* name);
// "primary" or, by default, the upper classes.
TeacherCategory CategoryOf(const emscripten::val& request);
// The run the fields ask for: {category, weekly, rate, leader, name, school, subject, year}.
report_sheet::ReportRequest RunOf(const emscripten::val& request);
// {ok: false, message, clearsWeeklyHours}
std::string RefusalJson(std::string_view message, bool clearsWeeklyHours);

}  // namespace soatnoma::module
