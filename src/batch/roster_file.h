#pragma once
// Reading a roster file whole. A staff list is small; anything far larger (a wrong file,
// a device that never ends) is refused before it fills the memory.

#include <cstddef>
#include <string>
#include <string_view>

namespace soatnoma::batch {

inline constexpr std::size_t kMaxRosterBytes = 16 * 1024 * 1024;

struct RosterFileContents {
  bool ok = false;
  std::string text;     // the file's bytes when ok
  std::string message;  // why it could not be read (Uzbek) otherwise
};

RosterFileContents ReadRosterFile(const std::string& path);

// "Ro'yxat o'qilmadi: "<path>" " followed by the reason.
std::string UnreadableRosterMessage(const std::string& path, std::string_view reason);

}  // namespace soatnoma::batch
