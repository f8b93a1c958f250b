#pragma once
// Text handed to the page's script as a string of its own, decoded by the browser straight
// from the module's memory: a long text (a report's description, some 100 KB) crosses over
// without the byte-by-byte copy a returned std::string takes.

#include <emscripten/val.h>

#include <string_view>

namespace soatnoma::module {

// utf8: UTF-8 text; the string is made before this returns, so the text need not outlive it.
emscripten::val ScriptText(std::string_view utf8);

}  // namespace soatnoma::module
