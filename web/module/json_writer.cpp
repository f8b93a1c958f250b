#include "json_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace soatnoma::module {
namespace {

// A number in fewest decimals that reads back as the same double. Most numbers of a form
// (hours, points of a layout in 1/640 steps) have a short exact decimal, found by scaling by
// powers of ten; the rest take 17 significant digits, which always read back the same.
// Quick: printf's and strtod's wide arithmetic is slow in WebAssembly.
std::string RoundTripText(double value) {
  constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
  double scale = 1;
  for (int decimals = 0; decimals <= 17; ++decimals, scale *= 10) {
    const double scaled = value * scale;
    if (std::fabs(scaled) >= kExactIntegers) break;
    if (scaled != std::trunc(scaled) || scaled / scale != value) continue;
    std::array<char, 24> digits{};
    const auto whole = static_cast<long long>(std::fabs(scaled));
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), whole).ptr;
    std::string number(digits.data(), static_cast<std::size_t>(end - digits.data()));
    if (decimals > 0) {
      if (number.size() <= static_cast<std::size_t>(decimals)) {
        number.insert(0, static_cast<std::size_t>(decimals) + 1 - number.size(), '0');
      }
      number.insert(number.size() - static_cast<std::size_t>(decimals), ".");
    }
    return (std::signbit(value) && whole != 0 ? "-" : "") + number;
  }
  std::array<char, 32> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

void JsonWriter::Separate() {
  if (!first_) text_ += ',';
  first_ = false;
}

JsonWriter& JsonWriter::BeginObject() {
  Separate();
  text_ += '{';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  text_ += '}';
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  Separate();
  text_ += '[';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  text_ += ']';
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  String(name);
  text_ += ':';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  Separate();
  text_ += '"';
  // Runs of characters that need no escape go in whole.
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    if (c != '"' && c != '\\' && byte >= 0x20) continue;
    text_.append(text.substr(run, i - run));
    run = i + 1;
    if (byte >= 0x20) {
      text_ += '\\';
      text_ += c;
    } else {
      static constexpr std::string_view kHex = "0123456789abcdef";
      text_ += "\\u00";
      text_ += kHex[byte >> 4];
      text_ += kHex[byte & 0xF];
    }
  }
  text_.append(text.substr(run));
  text_ += '"';
  return *this;
}

JsonWriter& JsonWriter::Number(double value) {
  if (!std::isfinite(value)) return Null();
  Separate();
  text_ += RoundTripText(value);
  return *this;
}

JsonWriter& JsonWriter::Written(std::string_view value) {
  Separate();
  text_.append(value);
  return *this;
}

JsonWriter& JsonWriter::Integer(long long value) {
  Separate();
  text_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  Separate();
  text_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  Separate();
  text_ += "null";
  return *this;
}

}  // namespace soatnoma::module
