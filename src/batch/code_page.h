#pragma once
// Text in the Windows-1251 code page, which Excel on Windows uses for "CSV" in Uzbek and
// Russian settings, made into UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace soatnoma::batch {

// The UTF-8 form of a Windows-1251 text; nullopt when the text holds a byte that the code
// page leaves undefined (0x98), so it cannot be Windows-1251.
std::optional<std::string> Windows1251ToUtf8(std::string_view text);

}  // namespace soatnoma::batch
