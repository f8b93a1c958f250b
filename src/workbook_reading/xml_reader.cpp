#include "workbook_reading/xml_reader.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "model/utf8_text.h"

namespace soatnoma::workbook_reading {
namespace {

// A character XML 1.0 allows in a document.
bool IsXmlCharacter(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

// Well-formed UTF-8 of characters XML allows only.
bool IsXmlText(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x20 && byte < 0x80) {
      ++at;  // the common case, without decoding
      continue;
    }
    const std::optional<char32_t> character = DecodeCharacter(text, at);
    if (!character || !IsXmlCharacter(*character)) return false;
  }
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Where a name ends: at a blank or a character of markup.
bool EndsName(char c) { return IsBlank(c) || c == '/' || c == '>' || c == '=' || c == '<' || c == '"' || c == '\''; }

bool StartsName(char c) { return !(c == '-' || c == '.' || (c >= '0' && c <= '9') || c == ':' || EndsName(c)); }

// The character a reference names ("#65", "#x41", "amp"), appended; false for none.
bool AppendReference(std::string_view reference, std::string& out) {
  static constexpr std::pair<std::string_view, char> kNamed[] = {
      {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
  for (const auto& [name, character] : kNamed) {
    if (reference == name) {
      out += character;
      return true;
    }
  }
  if (reference.size() < 2 || reference[0] != '#') return false;
  std::string_view digits = reference.substr(1);
  int base = 10;
  if (digits[0] == 'x') {
    base = 16;
    digits.remove_prefix(1);
  }
  std::uint32_t code = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, base);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || !IsXmlCharacter(code)) {
    return false;
  }
  AppendUtf8(out, code);
  return true;
}

// Raw text with its references read and its line ends made "\n" (blanks made spaces in an
// attribute's value, as XML reads one); false for a "&" that starts no reference, or a "<".
bool ReadRaw(std::string_view raw, bool attribute, std::string& out) {
  out.clear();
  out.reserve(raw.size());
  for (std::size_t at = 0; at < raw.size(); ++at) {
    const char c = raw[at];
    if (c == '<') return false;
    if (c == '&') {
      const std::size_t semicolon = raw.find(';', at);
      if (semicolon == std::string_view::npos || !AppendReference(raw.substr(at + 1, semicolon - at - 1), out)) {
        return false;
      }
      at = semicolon;
    } else if (c == '\r') {
      if (at + 1 < raw.size() && raw[at + 1] == '\n') ++at;
      out += attribute ? ' ' : '\n';
    } else {
      out += attribute && (c == '\t' || c == '\n') ? ' ' : c;
    }
  }
  return true;
}

class Walker {
 public:
  Walker(std::string_view xml, XmlVisitor& visitor) : xml_(xml), visitor_(visitor) {}

  bool Walk() {
    if (xml_.starts_with("\xEF\xBB\xBF")) at_ = 3;
    while (at_ < xml_.size()) {
      if (!(xml_[at_] == '<' ? Markup() : Text())) return false;
    }
    return rootSeen_ && open_.empty();
  }

 private:
  bool Text() {
    const std::size_t next = std::min(xml_.find('<', at_), xml_.size());
    const std::string_view raw = xml_.substr(at_, next - at_);
    at_ = next;
    if (open_.empty()) return std::all_of(raw.begin(), raw.end(), IsBlank);
    if (!ReadRaw(raw, false, text_)) return false;
    visitor_.Text(text_, path_);
    return true;
  }

  // Skips past the end of what starts at at_; false when it never ends.
  bool SkipPast(std::string_view end) {
    const std::size_t found = xml_.find(end, at_);
    if (found == std::string_view::npos) return false;
    at_ = found + end.size();
    return true;
  }

  bool Markup() {
    const std::string_view rest = xml_.substr(at_);
    if (rest.starts_with("<!--")) return SkipPast("-->");
    if (rest.starts_with("<?")) return SkipPast("?>");
    if (rest.starts_with("<![CDATA[")) return CData();
    if (rest.starts_with("<!")) return false;  // a document type, or no markup at all
    if (rest.starts_with("</")) return EndTag();
    return StartTag();
  }

  bool CData() {
    const std::size_t begin = at_ + 9;
    if (open_.empty() || !SkipPast("]]>")) return false;
    visitor_.Text(xml_.substr(begin, at_ - 3 - begin), path_);
    return true;
  }

  std::string_view Name() {
    const std::size_t begin = at_;
    if (at_ >= xml_.size() || !StartsName(xml_[at_])) return {};
    while (at_ < xml_.size() && !EndsName(xml_[at_])) ++at_;
    return xml_.substr(begin, at_ - begin);
  }

  void SkipBlanks() {
    while (at_ < xml_.size() && IsBlank(xml_[at_])) ++at_;
  }

  bool EndTag() {
    const std::size_t begin = at_;
    at_ += 2;
    const std::string_view name = Name();
    SkipBlanks();
    if (name.empty() || open_.empty() || open_.back() != name || at_ >= xml_.size() || xml_[at_] != '>') return false;
    ++at_;
    open_.pop_back();
    const std::string_view local = path_.back();
    path_.pop_back();
    visitor_.Close(local, path_, begin, at_);
    return true;
  }

  // An attribute's value in its quotes; false when it is none.
  bool Value(std::string& value) {
    if (at_ >= xml_.size() || (xml_[at_] != '"' && xml_[at_] != '\'')) return false;
    const std::size_t close = xml_.find(xml_[at_], at_ + 1);
    if (close == std::string_view::npos) return false;
    const bool read = ReadRaw(xml_.substr(at_ + 1, close - at_ - 1), true, value);
    at_ = close + 1;
    return read;
  }

  bool Attribute(XmlElement& element) {
    XmlAttribute attribute{Name(), {}};
    SkipBlanks();
    if (attribute.name.empty() || at_ >= xml_.size() || xml_[at_] != '=') return false;
    ++at_;
    SkipBlanks();
    if (!Value(attribute.value) || element.Attribute(attribute.name) != nullptr) return false;
    element.attributes.push_back(std::move(attribute));
    return true;
  }

  // The attributes up to the tag's end, which sets the element's tagEnd and selfClosing.
  bool Attributes(XmlElement& element) {
    while (true) {
      const bool blank = at_ < xml_.size() && IsBlank(xml_[at_]);
      SkipBlanks();
      if (xml_.substr(at_).starts_with("/>") || xml_.substr(at_).starts_with(">")) break;
      if (!blank || !Attribute(element)) return false;
    }
    element.selfClosing = xml_[at_] == '/';
    at_ += element.selfClosing ? 2 : 1;
    element.tagEnd = at_;
    return true;
  }

  bool StartTag() {
    element_.begin = at_;
    ++at_;
    element_.name = Name();
    element_.attributes.clear();
    if (element_.name.empty() || (open_.empty() && rootSeen_) || !Attributes(element_)) return false;
    element_.localName = element_.name.substr(element_.name.rfind(':') + 1);
    rootSeen_ = true;
    visitor_.Open(element_, path_);
    if (element_.selfClosing) {
      visitor_.Close(element_.localName, path_, element_.tagEnd, element_.tagEnd);
    } else {
      open_.push_back(element_.name);
      path_.push_back(element_.localName);
    }
    return true;
  }

  std::string_view xml_;
  XmlVisitor& visitor_;
  std::size_t at_ = 0;
  bool rootSeen_ = false;
  std::vector<std::string_view> open_;  // the open elements' names as written
  std::vector<std::string_view> path_;  // and without their prefixes
  XmlElement element_;                  // reused for every start tag
  std::string text_;
};

}  // namespace

const std::string* XmlElement::Attribute(std::string_view attributeName) const {
  for (const XmlAttribute& attribute : attributes) {
    if (attribute.name == attributeName) return &attribute.value;
  }
  return nullptr;
}

bool WalkXml(std::string_view xml, XmlVisitor& visitor) {
  if (!IsXmlText(xml)) return false;
  return Walker(xml, visitor).Walk();
}

}  // namespace soatnoma::workbook_reading
