#pragma once
// The page's workbook package finished as the desktop finishes its own (form/
// workbook_finish.h): the page's library writes the parts, the module makes each the same
// as the desktop's. A part that is not as a workbook library writes it gives null.

#include <emscripten/val.h>

#include <string>

namespace soatnoma::web {

// xl/styles.xml with the report's standard font.
emscripten::val FinishedStyles(const std::string& styles);
// A worksheet with every number as stored; finish: a report sheet's {headerMargin,
// footerMargin, automaticRows} as the form's description gives it, or null for a sheet that
// is no report (a staff's summary).
emscripten::val FinishedWorksheet(const std::string& worksheet, const emscripten::val& finish);
// [Content_Types].xml and _rels/.rels naming the custom properties' part.
emscripten::val WithCustomPropertiesType(const std::string& contentTypes);
emscripten::val WithCustomPropertiesRelation(const std::string& relations);

}  // namespace soatnoma::web
