#include "package_parts.h"

namespace soatnoma::web {

emscripten::val PartsForScript(const workbook_parts::PackageParts& parts) {
  emscripten::val list = emscripten::val::array();
  for (const workbook_parts::PackagePart& part : parts) {
    emscripten::val handed = emscripten::val::object();
    handed.set("name", part.name);
    handed.set("text", part.text);
    list.call<void>("push", handed);
  }
  return list;
}

}  // namespace soatnoma::web
