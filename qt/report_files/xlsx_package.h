#pragma once
// Reads and replaces parts of a saved workbook package (a zip archive) in place.

#include <zip.h>

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "workbook_package/workbook_package.h"

namespace soatnoma::report_files {

class XlsxPackage {
 public:
  // nullopt with a detail when the archive cannot be opened.
  static std::optional<XlsxPackage> Open(const std::string& path, std::string& detail);

  XlsxPackage(XlsxPackage&& other) noexcept;
  XlsxPackage& operator=(XlsxPackage&&) = delete;
  XlsxPackage(const XlsxPackage&) = delete;
  XlsxPackage& operator=(const XlsxPackage&) = delete;
  ~XlsxPackage();  // discards unsaved changes

  // The part's content; nullopt when it is missing or damaged (its checksum does not match).
  std::optional<std::string> Read(const std::string& entry) const;
  // The same, refusing (nullopt) an entry larger than maxBytes, so that a damaged or
  // hostile package cannot make its reader run out of memory.
  std::optional<std::string> Read(const std::string& entry, std::size_t maxBytes) const;
  bool Contains(const std::string& entry) const;
  // The parts' count and unpacked sizes as the archive's listing declares them, judged
  // before anything is unpacked.
  workbook_package::PackageSize SizeVerdict() const;
  // Whether every part, also those no reader looks at, reads whole with a matching
  // checksum; parts larger than maxBytes count as damage.
  bool AllPartsIntact(std::size_t maxBytes) const;
  bool Replace(const std::string& entry, std::string content);
  // Replaces the part, or adds it when the package has none of that name.
  bool Put(const std::string& entry, std::string content);
  // Writes the changes to the archive's file.
  bool Save(std::string& detail);

 private:
  explicit XlsxPackage(zip_t* archive) : archive_(archive) {}

  zip_t* archive_;
  std::deque<std::string> replacements_;  // kept alive until the archive is written
};

}  // namespace soatnoma::report_files
