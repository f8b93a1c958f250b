#pragma once
// A workbook's package between the module and the page: the parts the module writes,
// handed over for the page to pack, and the lists of a package written back named for its
// custom properties' part (workbook_package/custom_properties_listing.h).

#include <emscripten/val.h>

#include <string>

#include "workbook_parts/package_part.h"

namespace soatnoma::module {

// [{name, bytes}] in the package's order, each part's UTF-8 in a Uint8Array of its own; each
// text is let go as soon as it is handed over.
emscripten::val PartsForScript(workbook_parts::PackageParts parts);

// The example staff list's workbook, as PartsForScript gives it.
emscripten::val ExampleWorkbookParts();

// [Content_Types].xml and _rels/.rels naming the custom properties' part; null when the
// list is not as a package holds it.
emscripten::val WithCustomPropertiesType(const std::string& contentTypes);
emscripten::val WithCustomPropertiesRelation(const std::string& relations);

// The names of the package's parts the page unpacks or packs by name, as JSON: {workbook,
// workbookRelations, sharedTexts, customProperties, contentTypes, packageRelations}.
std::string PackagePartNamesJson();

}  // namespace soatnoma::module
