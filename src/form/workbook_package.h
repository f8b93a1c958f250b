#pragma once
// What a workbook's package (a zip archive) may hold before any of it is unpacked: every
// edition reads the listing of its parts first and refuses a package that would unpack to
// far more than any report or staff list, so that a small file made to unpack to gigabytes
// costs a moment rather than minutes and the memory.

#include <cstddef>
#include <cstdint>
#include <string>

namespace soatnoma {

// Far more than any part of a workbook the program reads (a report, a staff list); a larger
// part is taken as damage rather than unpacked into memory.
inline constexpr std::size_t kLargestWorkbookPart = 16 * 1024 * 1024;
// A report has a dozen parts, a school's workbook a few dozen.
inline constexpr std::size_t kMostWorkbookParts = 1000;
// All parts together, unpacked.
inline constexpr std::uint64_t kLargestUnpackedWorkbook = 64 * 1024 * 1024;

enum class PackageSize {
  Fits,
  PartTooLarge,      // one part beyond kLargestWorkbookPart: damage
  TooManyParts,      // beyond kMostWorkbookParts
  TooLargeUnpacked,  // all parts together beyond kLargestUnpackedWorkbook
};

// The parts' unpacked sizes as the package's listing declares them, counted one by one.
class PackageSizeCount {
 public:
  void Add(std::uint64_t unpackedSize);
  PackageSize Verdict() const;

 private:
  std::size_t parts_ = 0;
  std::uint64_t largest_ = 0;
  std::uint64_t total_ = 0;
};

// Why a package of TooManyParts or TooLargeUnpacked is not read, a clause that names the
// limit ("ish kitobida qismlar juda ko'p (1000 tadan ortiq)."); it follows the file's
// name in the refusal of a report and of a staff list alike. Empty for the others.
std::string PackageSizeReason(PackageSize verdict);

}  // namespace soatnoma
