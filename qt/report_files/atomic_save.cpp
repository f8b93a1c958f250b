#include "report_files/atomic_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "model/system_error_text.h"
#include "report_files/save_leftovers.h"

namespace soatnoma::report_files {
namespace {

namespace fs = std::filesystem;

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
    ErrorText{EISDIR, "\"%s\" fayl emas, papka."},
    ErrorText{ENAMETOOLONG, "fayl nomi juda uzun: \"%s\"."},
};

constexpr const char* kWriteProtected = "\"%s\" fayli yozishdan himoyalangan (faqat o'qish uchun).";
constexpr const char* kNotRegularContent = "vaqtinchalik fayl almashtirilgan";

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

// An existing target the user has protected from writing, as a copy command would see it:
// no write permission at all, or none for this user. The rename would replace it anyway.
bool IsWriteProtected(const std::string& targetPath) {
  struct stat existing {};
  if (::lstat(targetPath.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode)) return false;
  if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
  return ::faccessat(AT_FDCWD, targetPath.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

SaveResult Failure(const std::string& targetPath, int errorNumber) {
  return SaveResult{false, SaveFailureMessage(targetPath, errorNumber)};
}

SaveResult FailureWithDetail(const std::string& targetPath, const std::string& detail) {
  return {false, kNotSaved + std::string("\"") + targetPath + "\" faylini yozib bo'lmadi (" + detail + ")."};
}

// Gives the written content the target's mode and puts it on the disk. The content is
// opened without following a symbolic link and must be a plain file: whatever else stands
// at its name was put there by someone else and is left alone. Returns an error number.
int SettleContent(const std::string& contentPath, mode_t mode) {
  const int fd = ::open(contentPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ELOOP ? -1 : errno;
  struct stat info {};
  int error = 0;
  if (::fstat(fd, &info) != 0) {
    error = errno;
  } else if (!S_ISREG(info.st_mode)) {
    error = -1;
  } else if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) {
    error = errno;
  }
  ::close(fd);
  return error;
}

// The folder's own entry on the disk, so that the rename survives a power cut.
void FlushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The private folder and whatever a writer left in it; a symbolic link in it is removed,
// never followed.
void RemovePrivateFolder(const std::string& folder) {
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

// The error number of a writer's failure: the one it left, or a full disk when the disk its
// content was going to holds no free block any more (the libraries do not always keep the
// system's error number).
int WriteFailureError(int left, const std::string& privateFolder) {
  if (IsNoSpaceLeft(left)) return left;
  struct statvfs disk {};
  if (::statvfs(privateFolder.c_str(), &disk) == 0 && disk.f_bavail == 0) return ENOSPC;
  return left;
}

}  // namespace

std::string SaveFailureMessage(const std::string& targetPath, int errorNumber) {
  if (IsNoSpaceLeft(errorNumber)) return kNotSaved + std::string(kNoSpaceLeftText) + " (\"" + targetPath + "\").";
  for (const ErrorText& known : kErrorTexts) {
    if (known.number == errorNumber) return kNotSaved + Fill(known.text, PathForError(targetPath, errorNumber));
  }
  return kNotSaved + std::string("\"") + targetPath + "\" faylini yozib bo'lmadi (" + SystemErrorText(errorNumber) +
         ").";
}

SaveResult SaveAtomically(const std::string& targetPath, const ContentWriter& writeContent) {
  if (targetPath.empty()) return Failure(targetPath, ENOENT);
  std::error_code ignored;
  if (fs::is_directory(targetPath, ignored)) return Failure(targetPath, EISDIR);
  if (IsWriteProtected(targetPath)) return {false, kNotSaved + Fill(kWriteProtected, targetPath)};

  // Writers (the workbook and PDF libraries) write by name, so they get a folder of their
  // own that no other user may enter: nobody can swap their file for a link meanwhile.
  const std::string folder = FolderOf(targetPath);
  RemoveLeftoversOfEarlierSaves(folder);
  std::string pattern = (fs::path(folder) / kPrivateFolderPattern).string();
  std::vector<char> privateName(pattern.begin(), pattern.end());
  privateName.push_back('\0');
  if (::mkdtemp(privateName.data()) == nullptr) return Failure(targetPath, errno);
  const std::string privateFolder(privateName.data());
  const PrivateFolderHold hold(privateFolder);
  const std::string contentPath = (fs::path(privateFolder) / kContentName).string();

  const auto abandon = [&](SaveResult result) {
    RemovePrivateFolder(privateFolder);
    return result;
  };
  std::string detail;
  errno = 0;
  if (!writeContent(contentPath, detail)) {
    // A full disk is said in the program's words, whatever words the writer's library had for it.
    const int error = WriteFailureError(errno, privateFolder);
    if (!detail.empty() && !IsNoSpaceLeft(error)) return abandon(FailureWithDetail(targetPath, detail));
    return abandon(Failure(targetPath, error != 0 ? error : EIO));
  }
  // Writers may replace their file while they work; the mode is set on the result.
  const int settled = SettleContent(contentPath, ModeForTarget(targetPath));
  if (settled == -1) return abandon(FailureWithDetail(targetPath, kNotRegularContent));
  if (settled != 0) return abandon(Failure(targetPath, settled));
  if (::rename(contentPath.c_str(), targetPath.c_str()) != 0) return abandon(Failure(targetPath, errno));
  RemovePrivateFolder(privateFolder);
  FlushFolder(folder);
  return SaveResult{true, {}};
}

}  // namespace soatnoma::report_files
