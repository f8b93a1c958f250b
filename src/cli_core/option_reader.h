#pragma once
// Reads "--name value", "--name=value" and "--flag" options. A value is taken exactly as
// given, even when it begins with "-" or a blank: weekly hours such as " 24" or "-5" are
// the teacher's text and must reach the checks unchanged.

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::cli_core {

struct OptionSpec {
  std::set<std::string, std::less<>> valued;  // "--weekly", "-o", ...
  std::set<std::string, std::less<>> flags;   // "--leader", ...
  bool allowPositional = false;
};

struct ParsedOptions {
  std::map<std::string, std::string, std::less<>> values;
  std::set<std::string, std::less<>> flags;
  std::vector<std::string> positional;

  std::optional<std::string> Value(std::string_view name) const;
  bool Has(std::string_view flag) const { return flags.contains(flag); }
};

// nullopt with *error set (Uzbek) when an option is unknown, repeated, or lacks its value.
std::optional<ParsedOptions> ReadOptions(std::span<const std::string> args, const OptionSpec& spec, std::string* error);

}  // namespace soatnoma::cli_core
