#pragma once
// The tags of a workbook part's XML, read and changed in its text: enough for the few
// changes made to parts a workbook library wrote, without taking the whole part apart and
// putting it together again. The text is taken to be well-formed, as a library writes it:
// "<" only ever opens markup, and a tag ends at the first ">" outside quotes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace soatnoma::workbook_package {

enum class TagKind { Start, SelfClosing, End, Other };  // Other: a declaration, comment or the like

struct Tag {
  std::size_t begin = 0;  // at its "<"
  std::size_t end = 0;    // just past its ">"
  std::string_view name;  // with its prefix, if any ("x14ac:dyDescent")
  TagKind kind = TagKind::Other;
  std::string_view Text(std::string_view xml) const { return xml.substr(begin, end - begin); }
};

// The first tag at or after from; nothing when there is none or it never ends.
std::optional<Tag> NextTag(std::string_view xml, std::size_t from);

// The first start (or self-closing) tag of that name at or after from.
std::optional<Tag> FindStartTag(std::string_view xml, std::string_view name, std::size_t from);

// Just past the end tag of the element the start tag opens (its own end when it closes
// itself); nothing when it has none. Elements of the same name are not nested in it.
std::optional<std::size_t> ElementEnd(std::string_view xml, const Tag& start);

// The value of a tag's attribute as it stands (entities not replaced); nothing without it.
std::optional<std::string_view> AttributeOf(std::string_view tag, std::string_view name);

// The tag with the attribute set to value (escaped here), added at its end when missing.
std::string WithAttribute(std::string_view tag, std::string_view name, std::string_view value);

// The tag without the attribute.
std::string WithoutAttribute(std::string_view tag, std::string_view name);

// Text with the characters XML reserves written as entities: for an attribute's value
// (&, <, > and the quote) or for an element's content (&, < and >).
std::string Escaped(std::string_view text);
std::string EscapedContent(std::string_view text);

}  // namespace soatnoma::workbook_package
