#include "report_files/save_leftovers.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <optional>
#include <vector>

namespace soatnoma::report_files {
namespace {

constexpr std::string_view kPatternStem = kPrivateFolderPattern.substr(0, kPrivateFolderPattern.find('X'));
constexpr std::size_t kUniqueLetters = kPrivateFolderPattern.size() - kPatternStem.size();

bool IsLetterOrDigit(char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); }

// A name the system could have given a private folder: the stem and six letters or digits.
bool IsPrivateFolderName(std::string_view name) {
  if (name.size() != kPrivateFolderPattern.size() || !name.starts_with(kPatternStem)) return false;
  for (const char c : name.substr(kPatternStem.size(), kUniqueLetters)) {
    if (!IsLetterOrDigit(c)) return false;
  }
  return true;
}

bool IsContentName(std::string_view name) {
  return name == kContentName ||
         (name.starts_with(kContentName) && name.size() > kContentName.size() && name[kContentName.size()] == '.');
}

bool IsOldEnough(const struct stat& info, std::time_t now) {
  return info.st_mtime <= now - std::chrono::duration_cast<std::chrono::seconds>(kLeftoverAge).count();
}

// The names in an open folder, "." and ".." left out; the folder's descriptor stays open.
std::optional<std::vector<std::string>> NamesIn(int folderFd) {
  const int listing = ::dup(folderFd);
  if (listing < 0) return std::nullopt;
  DIR* dir = ::fdopendir(listing);
  if (dir == nullptr) {
    ::close(listing);
    return std::nullopt;
  }
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(dir);
  return names;
}

// The contents of a leftover, when it holds only old plain files of its content's names.
std::optional<std::vector<std::string>> LeftoverContent(int leftoverFd, std::time_t now) {
  auto names = NamesIn(leftoverFd);
  if (!names) return std::nullopt;
  for (const std::string& name : *names) {
    struct stat info {};
    if (!IsContentName(name) || ::fstatat(leftoverFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode) || !IsOldEnough(info, now)) {
      return std::nullopt;
    }
  }
  return names;
}

// Removes one candidate when it is a leftover: opened without following a link, this
// user's, old, not held by a save at work, and holding nothing but its content.
void RemoveIfLeftover(int folderFd, const std::string& name, std::time_t now) {
  const int fd = ::openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  struct stat info {};
  const bool candidate = ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() && IsOldEnough(info, now) &&
                         ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  const auto content = candidate ? LeftoverContent(fd, now) : std::nullopt;
  if (content) {
    for (const std::string& file : *content) ::unlinkat(fd, file.c_str(), 0);
    ::unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
  }
  ::close(fd);
}

}  // namespace

PrivateFolderHold::PrivateFolderHold(const std::string& privateFolder)
    : fd_(::open(privateFolder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)) {
  if (fd_ >= 0) ::flock(fd_, LOCK_EX);
}

PrivateFolderHold::~PrivateFolderHold() {
  if (fd_ >= 0) ::close(fd_);
}

void RemoveLeftoversOfEarlierSaves(const std::string& folder) {
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd < 0) return;
  const std::time_t now = std::time(nullptr);
  if (const auto names = NamesIn(folderFd)) {
    for (const std::string& name : *names) {
      if (IsPrivateFolderName(name)) RemoveIfLeftover(folderFd, name, now);
    }
  }
  ::close(folderFd);
}

}  // namespace soatnoma::report_files
