#pragma once
// What a workbook's package (a zip archive) may hold before any of it is unpacked: every
// edition reads the listing of its parts first and refuses a package that would unpack to
// far more than any report or staff list, so that a small file made to unpack to gigabytes
// costs a moment rather than minutes and the memory.

#include <cstddef>
#include <cstdint>
#include <string>

namespace soatnoma::workbook_package {

// The most teachers one staff workbook holds (it is assembled in memory): the largest
// workbook the program writes, a sheet a teacher and the summary "Jami". The limits below
// follow from it, measured on what the program writes for so many teachers.
inline constexpr std::size_t kMostWorkbookTeachers = 5000;

inline constexpr std::size_t kMebibyte = 1024 * 1024;

// Larger than any part of a workbook the program reads (a report, a staff list, a staff
// workbook); a larger part is taken as damage rather than unpacked into memory. The largest
// part of the largest staff workbook is its shared texts: 1.8 MB for 5000 teachers, 12.4 MB
// when every name, school and subject is 200 Cyrillic letters.
inline constexpr std::size_t kLargestWorkbookPart = 16 * kMebibyte;
// Parts a spreadsheet program may keep of each sheet: the sheet, its relations and its
// printer's settings; and room for the workbook's own parts (a report has a dozen).
inline constexpr std::size_t kPartsPerSheet = 3;
inline constexpr std::size_t kMostWorkbookParts = (kMostWorkbookTeachers + 1) * kPartsPerSheet + 100;
// All parts together, unpacked: a teacher's sheet is 16 KB as the program writes it and
// 20 KB as LibreOffice writes it back (5000 teachers: 83 MB in all, 94 MB with the longest
// texts), so 32 KiB a teacher and 16 MiB for the rest, in whole mebibytes.
inline constexpr std::uint64_t kLargestUnpackedWorkbook =
    (kMostWorkbookTeachers * 32 * 1024 + 16 * kMebibyte + kMebibyte - 1) / kMebibyte * kMebibyte;

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
// limit ("ish kitobida qismlar juda ko'p (15103 tadan ortiq)."); it follows the file's
// name in the refusal of a report and of a staff list alike. Empty for the others.
std::string PackageSizeReason(PackageSize verdict);

}  // namespace soatnoma::workbook_package
