#pragma once
// What the commands that write a file share: the file's format from its name, the year
// of the title, and the usage error.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli_core/option_reader.h"

namespace soatnoma::cli_core {

enum class OutputFormat { Xlsx, Pdf };

// .xlsx or .pdf, in any letter case; nullopt for any other name.
std::optional<OutputFormat> OutputFormatOf(const std::string& path);

// The first year of a school year, 2000..2100, written in digits only.
std::optional<int> ReadYear(const std::string& text);

// The file a command writes (-o) and the school year of its title (--year, else the
// current calendar year).
struct OutputChoice {
  std::string path;
  OutputFormat format = OutputFormat::Xlsx;
  int year = 0;
};

// The -o file, named `fileWord` in the usage (FILE, OUT), and --year; nullopt with the
// usage error's text (Uzbek) in *error.
std::optional<OutputChoice> ReadOutputChoice(const ParsedOptions& options, std::string_view fileWord, int currentYear,
                                             std::string* error);

// "soatnoma-cli: <message>" and the usage on err; returns the usage status.
int UsageError(std::ostream& err, const std::string& message);

}  // namespace soatnoma::cli_core
