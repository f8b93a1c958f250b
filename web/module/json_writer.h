#pragma once
// A JSON text written piece by piece: what the module hands the page.

#include <string>
#include <string_view>

namespace soatnoma::module {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The name of the next member of an object.
  JsonWriter& Key(std::string_view name);
  JsonWriter& String(std::string_view text);
  // A text that reads back as the same number; null for NaN and infinities.
  JsonWriter& Number(double value);
  JsonWriter& Integer(long long value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  // A value another writer wrote whole.
  JsonWriter& Written(std::string_view value);

  const std::string& Text() const { return text_; }
  // Room for a text of that many bytes, so a large one is not copied as it grows.
  void Reserve(std::size_t bytes) { text_.reserve(bytes); }

 private:
  void Separate();

  std::string text_;
  bool first_ = true;  // no value yet in the object or array at hand
};

}  // namespace soatnoma::module
