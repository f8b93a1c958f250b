#pragma once
// What the commands that write a file share: the file's format from its name, the year
// of the title, and the usage error.

#include <optional>
#include <ostream>
#include <string>

namespace soatnoma::cli {

enum class OutputFormat { Xlsx, Pdf };

// .xlsx or .pdf, in any letter case; nullopt for any other name.
std::optional<OutputFormat> OutputFormatOf(const std::string& path);

// A calendar year 1..9998 written in digits only.
std::optional<int> ReadYear(const std::string& text);

// "soatnoma-cli: <message>" and the usage on err; returns the usage status.
int UsageError(std::ostream& err, const std::string& message);

}  // namespace soatnoma::cli
