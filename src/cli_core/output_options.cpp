#include "cli_core/output_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "cli_core/cli_commands.h"
#include "cli_core/exit_codes.h"
#include "model/school_year.h"

namespace soatnoma::cli_core {

std::optional<OutputFormat> OutputFormatOf(const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (lower.ends_with(".xlsx")) return OutputFormat::Xlsx;
  if (lower.ends_with(".pdf")) return OutputFormat::Pdf;
  return std::nullopt;
}

std::optional<int> ReadYear(const std::string& text) {
  int year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (error != std::errc() || end != text.data() + text.size() || !IsSchoolYearStart(year)) return std::nullopt;
  return year;
}

std::optional<OutputChoice> ReadOutputChoice(const ParsedOptions& options, std::string_view fileWord, int currentYear,
                                             std::string* error) {
  const auto fail = [error](std::string message) {
    *error = std::move(message);
    return std::nullopt;
  };
  const auto output = options.Value("-o");
  if (!output || output->empty()) return fail("-o " + std::string(fileWord) + " berilmagan");
  const auto format = OutputFormatOf(*output);
  if (!format) return fail("-o " + std::string(fileWord) + " nomi .xlsx yoki .pdf bilan tugashi kerak");
  std::optional<int> year = currentYear;
  if (const auto given = options.Value("--year")) year = ReadYear(*given);
  if (!year) {
    return fail("--year " + std::to_string(kEarliestSchoolYear) + " dan " + std::to_string(kLatestSchoolYear) +
                " gacha bo'lgan yil bo'lishi kerak (masalan, 2025)");
  }
  return OutputChoice{*output, *format, *year};
}

int UsageError(std::ostream& err, const std::string& message) {
  err << kMessageStart << message << "\n" << UsageText();
  return kExitUsage;
}

}  // namespace soatnoma::cli_core
