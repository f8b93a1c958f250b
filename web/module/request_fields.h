#pragma once
// What the page asks the module with: the form's fields read from a JavaScript object, and
// the answer that refuses the input.

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "model/teacher.h"

namespace soatnoma::web {

// The field's text; empty when it is missing or not text.
std::string Field(const emscripten::val& request, const char* name);
bool Flag(const emscripten::val& request, const char* name);
// "primary" or, by default, the upper classes.
TeacherCategory CategoryOf(const emscripten::val& request);
// {ok: false, message, clearsWeeklyHours}
std::string RefusalJson(std::string_view message, bool clearsWeeklyHours);

}  // namespace soatnoma::web
