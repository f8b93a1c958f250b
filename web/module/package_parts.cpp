#include "package_parts.h"

#include <optional>

#include "json_writer.h"
#include "workbook_package/custom_properties_listing.h"
#include "workbook_package/package_names.h"
#include "workbook_parts/example_workbook.h"

namespace soatnoma::module {
namespace {

using emscripten::val;

val TextOrNull(const std::optional<std::string>& text) { return text ? val(*text) : val::null(); }

}  // namespace

val PartsForScript(workbook_parts::PackageParts parts) {
  const val bytes = val::global("Uint8Array");
  val list = val::array();
  for (workbook_parts::PackagePart& part : parts) {
    val handed = val::object();
    handed.set("name", part.name);
    // The array is made from a view of the module's memory, which it copies.
    const auto* data = reinterpret_cast<const unsigned char*>(part.text.data());
    handed.set("bytes", bytes.new_(emscripten::typed_memory_view(part.text.size(), data)));
    std::string().swap(part.text);
    list.call<void>("push", handed);
  }
  return list;
}

val ExampleWorkbookParts() { return PartsForScript(workbook_parts::ExampleRosterParts()); }

val WithCustomPropertiesType(const std::string& contentTypes) {
  return TextOrNull(soatnoma::workbook_package::WithCustomPropertiesType(contentTypes));
}

val WithCustomPropertiesRelation(const std::string& relations) {
  return TextOrNull(soatnoma::workbook_package::WithCustomPropertiesRelation(relations));
}

std::string PackagePartNamesJson() {
  namespace package = soatnoma::workbook_package;
  JsonWriter json;
  json.BeginObject();
  json.Key("workbook").String(package::kWorkbookPart);
  json.Key("workbookRelations").String(package::kWorkbookRelationsPart);
  json.Key("sharedTexts").String(package::kSharedTextsPart);
  json.Key("customProperties").String(package::kCustomPropertiesPart);
  json.Key("contentTypes").String(package::kContentTypesPart);
  json.Key("packageRelations").String(package::kPackageRelationsPart);
  json.EndObject();
  return json.Text();
}

}  // namespace soatnoma::module
