#pragma once
// A workbook's parts handed to the page to pack: [{name, text}] in the package's order.

#include <emscripten/val.h>

#include "workbook_parts/package_part.h"

namespace soatnoma::web {

emscripten::val PartsForScript(const workbook_parts::PackageParts& parts);

}  // namespace soatnoma::web
