#include "staff_files/roster_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace soatnoma::batch {
namespace {

constexpr int kTooLarge = -1;  // not an operating-system error: the file passed the limit

RosterFileContents Failure(const std::string& path, int errorNumber) {
  std::string reason;
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR: reason = kNotFoundReason; break;
    case EACCES:
    case EPERM: reason = kNoPermissionReason; break;
    case EISDIR: reason = kFolderReason; break;
    case kTooLarge: reason = kTooLargeReason; break;
    default: reason = CouldNotReadReason(std::strerror(errorNumber));
  }
  RosterFileContents contents;
  contents.message = UnreadableRosterMessage(path, reason);
  return contents;
}

}  // namespace

RosterFileContents ReadRosterFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Failure(path, errno);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    return Failure(path, EISDIR);
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
    if (contents.text.size() > kMaxRosterBytes) {
      ::close(fd);
      return Failure(path, kTooLarge);
    }
  }
  ::close(fd);
  contents.ok = true;
  return contents;
}

}  // namespace soatnoma::batch
