#include "workbook_package/xml_tags.h"

namespace soatnoma::workbook_package {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool EndsName(char c) { return IsBlank(c) || c == '/' || c == '>'; }

// Just past the ">" that ends the tag opened at begin, quotes respected; npos without one.
std::size_t TagEnd(std::string_view xml, std::size_t begin) {
  char quote = 0;
  for (std::size_t at = begin + 1; at < xml.size(); ++at) {
    const char c = xml[at];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return at + 1;
    }
  }
  return std::string_view::npos;
}

// Where the attribute's name starts in the tag, and its value: between the quotes.
struct AttributePlace {
  std::size_t nameBegin = 0;
  std::size_t valueBegin = 0;
  std::size_t valueEnd = 0;  // at the closing quote
};

std::optional<AttributePlace> FindAttribute(std::string_view tag, std::string_view name) {
  std::size_t at = 1;
  while (at < tag.size() && !EndsName(tag[at])) ++at;  // the tag's own name
  while (at < tag.size()) {
    while (at < tag.size() && (IsBlank(tag[at]) || tag[at] == '/')) ++at;
    if (at >= tag.size() || tag[at] == '>') return std::nullopt;
    const std::size_t nameBegin = at;
    while (at < tag.size() && tag[at] != '=' && !EndsName(tag[at])) ++at;
    const std::string_view found = tag.substr(nameBegin, at - nameBegin);
    while (at < tag.size() && (IsBlank(tag[at]) || tag[at] == '=')) ++at;
    if (at >= tag.size() || (tag[at] != '"' && tag[at] != '\'')) return std::nullopt;
    const std::size_t valueEnd = tag.find(tag[at], at + 1);
    if (valueEnd == std::string_view::npos) return std::nullopt;
    if (found == name) return AttributePlace{nameBegin, at + 1, valueEnd};
    at = valueEnd + 1;
  }
  return std::nullopt;
}

std::string EscapedText(std::string_view text, bool quotes) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += quotes ? "&quot;" : "\""; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::optional<Tag> NextTag(std::string_view xml, std::size_t from) {
  const std::size_t begin = xml.find('<', from);
  if (begin == std::string_view::npos) return std::nullopt;
  const std::size_t end = TagEnd(xml, begin);
  if (end == std::string_view::npos) return std::nullopt;
  Tag tag{begin, end, {}, TagKind::Start};
  std::size_t nameBegin = begin + 1;
  if (nameBegin < end && (xml[nameBegin] == '?' || xml[nameBegin] == '!')) {
    tag.kind = TagKind::Other;
    return tag;
  }
  if (nameBegin < end && xml[nameBegin] == '/') {
    tag.kind = TagKind::End;
    ++nameBegin;
  } else if (xml[end - 2] == '/') {
    tag.kind = TagKind::SelfClosing;
  }
  std::size_t nameEnd = nameBegin;
  while (nameEnd < end && !EndsName(xml[nameEnd])) ++nameEnd;
  tag.name = xml.substr(nameBegin, nameEnd - nameBegin);
  return tag;
}

std::optional<Tag> FindStartTag(std::string_view xml, std::string_view name, std::size_t from) {
  const std::string opening = "<" + std::string(name);
  for (std::size_t at = xml.find(opening, from); at != std::string_view::npos; at = xml.find(opening, at + 1)) {
    if (at + opening.size() < xml.size() && EndsName(xml[at + opening.size()])) {
      return NextTag(xml, at);
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> ElementEnd(std::string_view xml, const Tag& start) {
  if (start.kind == TagKind::SelfClosing) return start.end;
  const std::string closing = "</" + std::string(start.name) + ">";
  const std::size_t at = xml.find(closing, start.end);
  if (at == std::string_view::npos) return std::nullopt;
  return at + closing.size();
}

std::optional<std::string_view> AttributeOf(std::string_view tag, std::string_view name) {
  const auto place = FindAttribute(tag, name);
  if (!place) return std::nullopt;
  return tag.substr(place->valueBegin, place->valueEnd - place->valueBegin);
}

std::string WithAttribute(std::string_view tag, std::string_view name, std::string_view value) {
  const std::string escaped = Escaped(value);
  if (const auto place = FindAttribute(tag, name)) {
    return std::string(tag.substr(0, place->valueBegin)) + escaped + std::string(tag.substr(place->valueEnd));
  }
  const std::size_t close = tag.size() - (tag.size() >= 2 && tag[tag.size() - 2] == '/' ? 2 : 1);
  return std::string(tag.substr(0, close)) + " " + std::string(name) + "=\"" + escaped + "\"" +
         std::string(tag.substr(close));
}

std::string WithoutAttribute(std::string_view tag, std::string_view name) {
  const auto place = FindAttribute(tag, name);
  if (!place) return std::string(tag);
  std::size_t from = place->nameBegin;
  while (from > 0 && IsBlank(tag[from - 1])) --from;  // the blank before it goes with it
  return std::string(tag.substr(0, from)) + std::string(tag.substr(place->valueEnd + 1));
}

std::string Escaped(std::string_view text) { return EscapedText(text, true); }

std::string EscapedContent(std::string_view text) { return EscapedText(text, false); }

}  // namespace soatnoma::workbook_package
