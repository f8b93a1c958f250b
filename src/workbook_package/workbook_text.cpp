#include "workbook_package/workbook_text.h"

#include <charconv>
#include <optional>

namespace soatnoma::workbook_package {
namespace {

constexpr std::size_t kCodeLength = 7;  // "_xHHHH_"
constexpr std::string_view kEscapedUnderscore = "_x005F_";

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The code "_xHHHH_" at the start of the text, if there is one.
std::optional<char32_t> CodeAt(std::string_view text) {
  if (text.size() < kCodeLength || !text.starts_with("_x") || text[kCodeLength - 1] != '_') return std::nullopt;
  for (std::size_t i = 2; i < kCodeLength - 1; ++i) {
    if (!IsHexDigit(text[i])) return std::nullopt;
  }
  unsigned code = 0;
  std::from_chars(text.data() + 2, text.data() + kCodeLength - 1, code, 16);
  return static_cast<char32_t>(code);
}

void AppendUtf8(std::string& text, char32_t code) {
  const auto byte = [&text](char32_t bits) { text += static_cast<char>(bits); };
  if (code < 0x80) {
    byte(code);
  } else if (code < 0x800) {
    byte(0xC0 | (code >> 6));
    byte(0x80 | (code & 0x3F));
  } else {
    byte(0xE0 | (code >> 12));
    byte(0x80 | ((code >> 6) & 0x3F));
    byte(0x80 | (code & 0x3F));
  }
}

bool IsSurrogate(char32_t code) { return code >= 0xD800 && code <= 0xDFFF; }

}  // namespace

std::string EscapedForWorkbook(std::string_view text) {
  static constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (text[i] == '_' && CodeAt(text.substr(i))) {
      escaped += kEscapedUnderscore;
    } else if (byte < 0x20 && text[i] != '\t' && text[i] != '\n') {
      // A carriage return would be read back as a line end, the other controls not at all.
      escaped += "_x00";
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0xF];
      escaped += '_';
    } else {
      escaped += text[i];
    }
  }
  return escaped;
}

std::string UnescapedFromWorkbook(std::string_view stored) {
  std::string text;
  text.reserve(stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const auto code = CodeAt(stored.substr(i));
    if (code && !IsSurrogate(*code)) {  // half a pair is no character: kept as written
      AppendUtf8(text, *code);
      i += kCodeLength - 1;
    } else {
      text += stored[i];
    }
  }
  return text;
}

}  // namespace soatnoma::workbook_package
