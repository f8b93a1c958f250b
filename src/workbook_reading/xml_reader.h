#pragma once
// The XML of a workbook's parts, walked once from start to end: each element's start with
// its attributes, the text inside it and its end are handed to a visitor, with the places
// in the part's text where they stand, so that a sheet of many megabytes is never held as
// a tree and a change can be made in the text itself. Elements and attributes are told by
// their names as written; a visitor matches an element by its name without its prefix
// ("x:row" is a row), as spreadsheet programs write the same part with or without one.
// A part that is not well-formed XML in UTF-8, holds a character XML does not allow, or
// declares a document type (whose entities could make a small part enormous) is refused.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::workbook_reading {

struct XmlAttribute {
  std::string_view name;  // as written ("r", "r:id")
  std::string value;      // entities and character references read
};

struct XmlElement {
  std::string_view name;       // as written ("x:c")
  std::string_view localName;  // without its prefix ("c")
  std::vector<XmlAttribute> attributes;
  std::size_t begin = 0;   // at its "<"
  std::size_t tagEnd = 0;  // just past its start tag's ">"
  bool selfClosing = false;

  // The attribute's value, or nullptr without it.
  const std::string* Attribute(std::string_view attributeName) const;
  // The element's name prefix with its colon ("x:"), empty without one.
  std::string_view Prefix() const { return name.substr(0, name.size() - localName.size()); }
};

// path: the local names of the elements the element (or text) stands in, outermost first.
class XmlVisitor {
 public:
  virtual ~XmlVisitor() = default;
  virtual void Open(const XmlElement& element, const std::vector<std::string_view>& path) = 0;
  // Text (or a CDATA section) directly inside the innermost element of path.
  virtual void Text(std::string_view text, const std::vector<std::string_view>& path) = 0;
  // The element of that local name ends: its end tag stands from endBegin (for a
  // self-closing element its start tag's end) to end.
  virtual void Close(std::string_view localName, const std::vector<std::string_view>& path, std::size_t endBegin,
                     std::size_t end) = 0;
};

// Walks the whole part; false when it is not well-formed (the visitor may have been handed
// part of it by then).
bool WalkXml(std::string_view xml, XmlVisitor& visitor);

}  // namespace soatnoma::workbook_reading
