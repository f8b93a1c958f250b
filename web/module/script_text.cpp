#include "script_text.h"

namespace soatnoma::module {

emscripten::val ScriptText(std::string_view utf8) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
  const emscripten::val decoder = emscripten::val::global("TextDecoder").new_();
  return decoder.call<emscripten::val>("decode", emscripten::val(emscripten::typed_memory_view(utf8.size(), bytes)));
}

}  // namespace soatnoma::module
