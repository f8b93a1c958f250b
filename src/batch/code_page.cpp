#include "batch/code_page.h"

#include <iconv.h>

namespace soatnoma::batch {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (handle_ != kNoConverter) iconv_close(handle_);
  }

  // The whole text converted, into a buffer of the given size; nullopt when a byte has no
  // character in the source encoding or the text ends inside a character.
  std::optional<std::string> Convert(std::string_view text, std::size_t outputSize) const {
    if (handle_ == kNoConverter) return std::nullopt;
    std::string converted(outputSize, '\0');
    // iconv takes its input through a pointer to non-const; it does not write there.
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* out = converted.data();
    std::size_t outLeft = converted.size();
    // Whatever is left unread (a character cut off at the end) counts as not converted.
    if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
      return std::nullopt;
    }
    converted.resize(converted.size() - outLeft);
    return converted;
  }

 private:
  iconv_t handle_;
};

}  // namespace

std::optional<std::string> Windows1251ToUtf8(std::string_view text) {
  // A Windows-1251 character takes at most three bytes in UTF-8 (U+2116, the numero sign).
  return Converter("UTF-8", "WINDOWS-1251").Convert(text, text.size() * 3);
}

std::optional<std::string> Utf16ToUtf8(std::string_view text) {
  const char* encoding = text.starts_with("\xFF\xFE") ? "UTF-16LE" : text.starts_with("\xFE\xFF") ? "UTF-16BE" : nullptr;
  if (encoding == nullptr) return std::nullopt;
  text.remove_prefix(2);
  // Two bytes of UTF-16 give at most three of UTF-8; four (a surrogate pair) give four.
  return Converter("UTF-8", encoding).Convert(text, text.size() / 2 * 3 + 3);
}

}  // namespace soatnoma::batch
