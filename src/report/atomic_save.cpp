#include "report/atomic_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace soatnoma {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNotSaved = "Hisobot saqlanmadi: ";

struct ErrorText {
  int number;
  const char* text;  // %s stands for the path
};

constexpr std::array kErrorTexts = {
    ErrorText{ENOENT, "\"%s\" papkasi topilmadi."},
    ErrorText{ENOTDIR, "\"%s\" papkasi topilmadi."},
    ErrorText{EACCES, "\"%s\" papkasiga yozishga ruxsat yo'q."},
    ErrorText{EPERM, "\"%s\" papkasiga yozishga ruxsat yo'q."},
    ErrorText{EROFS, "\"%s\" faqat o'qish uchun ochilgan diskda."},
    ErrorText{ENOSPC, "diskda joy qolmadi (\"%s\")."},
    ErrorText{EDQUOT, "diskda joy qolmadi (\"%s\")."},
    ErrorText{EISDIR, "\"%s\" fayl emas, papka."},
    ErrorText{ENAMETOOLONG, "fayl nomi juda uzun: \"%s\"."},
};

std::string Fill(const char* pattern, const std::string& path) {
  std::string text(pattern);
  const auto at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, path);
  return text;
}

std::string FolderOf(const std::string& targetPath) {
  const fs::path parent = fs::path(targetPath).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// Which of the paths the teacher should hear about: the folder for a folder problem.
std::string PathForError(const std::string& targetPath, int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
    case EACCES:
    case EPERM:
    case EROFS: return FolderOf(targetPath);
    default: return targetPath;
  }
}

// The mode a new file gets from the user's umask, or the mode of the file it replaces.
mode_t ModeForTarget(const std::string& targetPath) {
  struct stat existing {};
  if (::stat(targetPath.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

SaveResult Failure(const std::string& targetPath, int errorNumber) {
  return SaveResult{false, SaveFailureMessage(targetPath, errorNumber)};
}

bool FlushToDisk(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace

std::string SaveFailureMessage(const std::string& targetPath, int errorNumber) {
  for (const ErrorText& known : kErrorTexts) {
    if (known.number == errorNumber) return kNotSaved + Fill(known.text, PathForError(targetPath, errorNumber));
  }
  return kNotSaved + std::string("\"") + targetPath + "\" faylini yozib bo'lmadi (" + std::strerror(errorNumber) +
         ").";
}

SaveResult SaveAtomically(const std::string& targetPath, const ContentWriter& writeContent) {
  if (targetPath.empty()) return Failure(targetPath, ENOENT);
  std::error_code ignored;
  if (fs::is_directory(targetPath, ignored)) return Failure(targetPath, EISDIR);

  const fs::path target(targetPath);
  std::string pattern = (fs::path(FolderOf(targetPath)) / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> temporary(pattern.begin(), pattern.end());
  temporary.push_back('\0');
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return Failure(targetPath, errno);
  const std::string temporaryPath(temporary.data());
  ::close(fd);

  const auto abandon = [&](SaveResult result) {
    ::unlink(temporaryPath.c_str());
    return result;
  };
  std::string detail;
  errno = 0;
  if (!writeContent(temporaryPath, detail)) {
    const int error = errno;
    if (!detail.empty()) {
      return abandon({false, kNotSaved + std::string("\"") + targetPath + "\" faylini yozib bo'lmadi (" + detail + ")."});
    }
    return abandon(Failure(targetPath, error != 0 ? error : EIO));
  }
  // Writers may replace the temporary file while they work; the mode is set on the result.
  if (::chmod(temporaryPath.c_str(), ModeForTarget(targetPath)) != 0) return abandon(Failure(targetPath, errno));
  if (!FlushToDisk(temporaryPath)) return abandon(Failure(targetPath, errno));
  if (::rename(temporaryPath.c_str(), targetPath.c_str()) != 0) return abandon(Failure(targetPath, errno));
  return SaveResult{true, {}};
}

}  // namespace soatnoma
