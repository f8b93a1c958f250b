#include "staff_files/roster_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace soatnoma::staff_files {
namespace {

constexpr int kTooLarge = -1;       // not an operating-system error: the file passed the limit
constexpr int kNotAPlainFile = -2;  // nor this: a named pipe or a device

RosterFileContents Failure(const std::string& path, int errorNumber) {
  std::string reason;
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR: reason = roster_rules::kNotFoundReason; break;
    case EACCES:
    case EPERM: reason = roster_rules::kNoPermissionReason; break;
    case EISDIR: reason = roster_rules::kFolderReason; break;
    case kTooLarge: reason = roster_rules::kTooLargeReason; break;
    case kNotAPlainFile: reason = roster_rules::kNotAPlainFileReason; break;
    default: reason = roster_rules::CouldNotReadReason(std::strerror(errorNumber));
  }
  RosterFileContents contents;
  contents.message = roster_rules::UnreadableRosterMessage(path, reason);
  return contents;
}

}  // namespace

RosterFileContents ReadRosterFile(const std::string& path) {
  // Opened without waiting: a named pipe would keep the opening waiting for a writer that
  // may never come, and what is opened is then asked what it is.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Failure(path, errno);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && !S_ISREG(info.st_mode)) {
    ::close(fd);
    return Failure(path, S_ISDIR(info.st_mode) ? EISDIR : kNotAPlainFile);
  }
  RosterFileContents contents;
  std::array<char, 64 * 1024> buffer{};
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      ::close(fd);
      return Failure(path, error);
    }
    if (got == 0) break;
    contents.text.append(buffer.data(), static_cast<std::size_t>(got));
    if (contents.text.size() > roster_rules::kMaxRosterBytes) {
      ::close(fd);
      return Failure(path, kTooLarge);
    }
  }
  ::close(fd);
  contents.ok = true;
  return contents;
}

}  // namespace soatnoma::staff_files
