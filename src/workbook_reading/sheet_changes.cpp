#include "workbook_reading/sheet_changes.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <tuple>

#include "report_sheet/sheet_address.h"
#include "workbook_package/stored_number.h"
#include "workbook_package/xml_tags.h"
#include "model/relative_formula.h"
#include "workbook_reading/xml_reader.h"

namespace soatnoma::workbook_reading {
namespace {

struct Span {
  std::string_view localName;
  std::size_t begin = 0;
  std::size_t end = 0;
};

struct CellPlace {
  int column = 0;
  Span element;
  std::size_t tagEnd = 0;
  std::vector<Span> parts;  // its child elements
};

struct RowPlace {
  int number = 0;
  std::string_view prefix;  // of its elements' names ("x:"), which new ones take too
  bool selfClosing = false;
  std::size_t contentEnd = 0;  // where its end tag begins
  std::vector<CellPlace> cells;
};

int RowNumber(const std::string* stored) {
  int number = 0;
  if (stored != nullptr) std::from_chars(stored->data(), stored->data() + stored->size(), number);
  return number;
}

// Where the sheet's rows and their cells, and the cells' parts, stand in its text.
class Places : public XmlVisitor {
 public:
  std::vector<RowPlace> rows;

  void Open(const XmlElement& element, const std::vector<std::string_view>& path) override {
    if (path.size() < 2 || path[0] != "worksheet" || path[1] != "sheetData") return;
    if (path.size() == 2 && element.localName == "row") {
      rows.push_back({RowNumber(element.Attribute("r")), element.Prefix(), element.selfClosing, element.tagEnd, {}});
    } else if (path.size() == 3 && element.localName == "c" && !rows.empty()) {
      const auto place = report_sheet::ReadCellName(element.Attribute("r") ? *element.Attribute("r") : std::string());
      rows.back().cells.push_back({place ? place->firstColumn : 0, {"c", element.begin, 0}, element.tagEnd, {}});
    } else if (path.size() == 4 && path[3] == "c" && !rows.empty() && !rows.back().cells.empty()) {
      rows.back().cells.back().parts.push_back({element.localName, element.begin, 0});
    }
  }
  void Text(std::string_view, const std::vector<std::string_view>&) override {}
  void Close(std::string_view, const std::vector<std::string_view>& path, std::size_t endBegin,
             std::size_t end) override {
    if (path.size() < 2 || path[0] != "worksheet" || path[1] != "sheetData" || rows.empty()) return;
    if (path.size() == 2) rows.back().contentEnd = endBegin;
    if (path.size() == 3 && !rows.back().cells.empty()) rows.back().cells.back().element.end = end;
    if (path.size() == 4 && !rows.back().cells.empty() && !rows.back().cells.back().parts.empty()) {
      rows.back().cells.back().parts.back().end = end;
    }
  }
};

// A cell being written anew: its start tag and its parts' text, in their order.
struct NewCell {
  std::string startTag;
  std::vector<std::pair<std::string, std::string>> parts;  // local name, text

  void Remove(std::string_view localName) {
    std::erase_if(parts, [&](const auto& part) { return part.first == localName; });
  }
  bool Has(std::string_view localName) const {
    return std::any_of(parts.begin(), parts.end(), [&](const auto& part) { return part.first == localName; });
  }
};

NewCell ExistingCell(std::string_view sheet, const CellPlace& cell) {
  NewCell made{std::string(sheet.substr(cell.element.begin, cell.tagEnd - cell.element.begin)), {}};
  for (const Span& part : cell.parts) {
    made.parts.emplace_back(std::string(part.localName), std::string(sheet.substr(part.begin, part.end - part.begin)));
  }
  return made;
}

std::string Element(std::string_view prefix, std::string_view name, std::string_view content) {
  const std::string qualified = std::string(prefix) + std::string(name);
  return "<" + qualified + ">" + workbook_package::EscapedContent(content) + "</" + qualified + ">";
}

void Apply(NewCell& cell, std::string_view prefix, const staff_book::StoredCellChange& change) {
  cell.startTag = workbook_package::WithoutAttribute(cell.startTag, "t");
  cell.Remove("is");
  if (change.kind == staff_book::StoredCellChange::Kind::Empty) {
    cell.Remove("v");
    return;
  }
  if (change.kind == staff_book::StoredCellChange::Kind::Number) cell.Remove("f");
  if (!change.formula.empty() && !cell.Has("f"))
    cell.parts.insert(cell.parts.begin(), {"f", Element(prefix, "f", change.formula)});
  const std::string value = Element(prefix, "v", workbook_package::StoredNumberText(change.value));
  const auto found =
      std::find_if(cell.parts.begin(), cell.parts.end(), [](const auto& part) { return part.first == "v"; });
  if (found != cell.parts.end())
    found->second = value;
  else
    cell.parts.emplace_back("v", value);
}

std::string Written(const NewCell& cell, std::string_view prefix) {
  std::string_view tag = cell.startTag;
  if (tag.ends_with("/>"))
    tag.remove_suffix(2);
  else
    tag.remove_suffix(1);
  if (cell.parts.empty()) return std::string(tag) + "/>";
  std::string written = std::string(tag) + ">";
  for (const auto& part : cell.parts) written += part.second;
  return written + "</" + std::string(prefix) + "c>";
}

// A change of the text: [begin, end) replaced; cells inserted at one place in column order.
using EditKey = std::tuple<std::size_t, std::size_t, int>;  // begin, end, column

}  // namespace

std::optional<std::string> SheetWithChanges(std::string_view sheet,
                                            const std::vector<staff_book::StoredCellChange>& changes) {
  Places places;
  if (!WalkXml(sheet, places)) return std::nullopt;
  std::map<EditKey, NewCell> edits;
  std::map<EditKey, std::string_view> prefixes;
  for (const staff_book::StoredCellChange& change : changes) {
    const auto row = std::find_if(places.rows.begin(), places.rows.end(),
                                  [&](const RowPlace& place) { return place.number == change.row; });
    if (row == places.rows.end()) return std::nullopt;
    const auto cell = std::find_if(row->cells.begin(), row->cells.end(),
                                   [&](const CellPlace& place) { return place.column >= change.column; });
    EditKey key;
    if (cell != row->cells.end() && cell->column == change.column) {
      key = {cell->element.begin, cell->element.end, change.column};
      if (!edits.contains(key)) edits.emplace(key, ExistingCell(sheet, *cell));
    } else {
      if (row->selfClosing) return std::nullopt;
      const std::size_t at = cell != row->cells.end() ? cell->element.begin : row->contentEnd;
      key = {at, at, change.column};
      const std::string ref = ColumnLetters(change.column) + std::to_string(change.row);
      if (!edits.contains(key))
        edits.emplace(key, NewCell{"<" + std::string(row->prefix) + "c r=\"" + ref + "\">", {}});
    }
    prefixes[key] = row->prefix;
    Apply(edits.at(key), row->prefix, change);
  }
  std::string written;
  written.reserve(sheet.size() + 64 * edits.size());
  std::size_t at = 0;
  for (const auto& [key, cell] : edits) {
    const auto [begin, end, column] = key;
    written.append(sheet.substr(at, begin - at));
    written += Written(cell, prefixes.at(key));
    at = end;
  }
  written.append(sheet.substr(at));
  return written;
}

}  // namespace soatnoma::workbook_reading
