#include "cli_core/option_reader.h"

namespace soatnoma::cli_core {

std::optional<std::string> ParsedOptions::Value(std::string_view name) const {
  const auto it = values.find(name);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

std::optional<ParsedOptions> ReadOptions(std::span<const std::string> args, const OptionSpec& spec,
                                         std::string* error) {
  ParsedOptions parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (arg.starts_with("--")) {
      const auto equals = arg.find('=');
      if (equals != std::string::npos) {
        name = arg.substr(0, equals);
        inlineValue = arg.substr(equals + 1);
      }
    }
    if (spec.valued.contains(name)) {
      std::string value;
      if (inlineValue) {
        value = *inlineValue;
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        *error = name + " qiymatsiz berilgan";
        return std::nullopt;
      }
      if (!parsed.values.emplace(name, value).second) {
        *error = name + " ikki marta berilgan";
        return std::nullopt;
      }
    } else if (spec.flags.contains(name) && !inlineValue) {
      parsed.flags.insert(name);
    } else if (spec.allowPositional && !arg.starts_with("-")) {
      parsed.positional.push_back(arg);
    } else {
      *error = "noma'lum parametr: " + arg;
      return std::nullopt;
    }
  }
  return parsed;
}

}  // namespace soatnoma::cli_core
