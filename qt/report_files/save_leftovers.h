#pragma once
// The private folders a save writes its content in, beside the target, and what an earlier
// save stopped half way (killed, or the power cut) left of them: a hidden folder holding
// half a file. A later save into the same folder removes such leftovers of its own.

#include <chrono>
#include <string>
#include <string_view>

namespace soatnoma::report_files {

// The private folder's name, its X's made unique by the system. Short, so that a target
// name of the longest length the file system allows can still be saved.
inline constexpr std::string_view kPrivateFolderPattern = ".soatnoma-XXXXXX";
// The content's name in it; the workbook library writes its own copies beside it, named
// "yozilmoqda.XXXXXX".
inline constexpr std::string_view kContentName = "yozilmoqda";
// A save still at work holds its folder locked; a leftover must also be this old, and so
// must everything in it.
inline constexpr std::chrono::minutes kLeftoverAge{10};

// A save's hold on its private folder while it works: a lock that the system lets go of
// when the save ends, however it ends.
class PrivateFolderHold {
 public:
  explicit PrivateFolderHold(const std::string& privateFolder);
  ~PrivateFolderHold();
  PrivateFolderHold(const PrivateFolderHold&) = delete;
  PrivateFolderHold& operator=(const PrivateFolderHold&) = delete;

 private:
  int fd_ = -1;
};

// Removes from the folder the private folders of earlier saves that nobody holds, that
// belong to this user, that are at least kLeftoverAge old and hold nothing but their
// content (plain files of the names above, as old). Anything else is left as it is; a
// symbolic link is never followed.
void RemoveLeftoversOfEarlierSaves(const std::string& folder);

}  // namespace soatnoma::report_files
