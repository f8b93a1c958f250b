// Any text typed into a number box: the parse never fails, and a number's text form reads
// back as the number rounded to 15 significant digits, exactly as the C library rounds it.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = soatnoma::ParseLeadingNumber(text);
  if (std::isnan(value)) std::abort();
  double plain = 0;
  if (soatnoma::ReadsAsPlainNumber(text, &plain) && plain != value) std::abort();
  if (!std::isfinite(value)) return 0;

  std::string formatted;
  const double readBack = soatnoma::AssignNumberText(value, formatted);
  char reference[64];
  std::snprintf(reference, sizeof reference, "%.15G", value == 0 ? 0.0 : value);
  if (formatted != reference) std::abort();
  if (readBack != std::strtod(reference, nullptr)) std::abort();
  if (soatnoma::ReadWorkingValue(formatted) != readBack) std::abort();
  if (soatnoma::FifteenDigitValue(value) != readBack) std::abort();
  return 0;
}
