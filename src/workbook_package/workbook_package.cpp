#include "workbook_package/workbook_package.h"

#include <algorithm>
#include <string>

namespace soatnoma::workbook_package {

void PackageSizeCount::Add(std::uint64_t unpackedSize) {
  ++parts_;
  largest_ = std::max(largest_, unpackedSize);
  // Added so that no sum of declared sizes, however large, wraps round to a small one.
  total_ = unpackedSize > kLargestUnpackedWorkbook - std::min(total_, kLargestUnpackedWorkbook)
               ? kLargestUnpackedWorkbook + 1
               : total_ + unpackedSize;
}

PackageSize PackageSizeCount::Verdict() const {
  if (parts_ > kMostWorkbookParts) return PackageSize::TooManyParts;
  if (largest_ > kLargestWorkbookPart) return PackageSize::PartTooLarge;
  if (total_ > kLargestUnpackedWorkbook) return PackageSize::TooLargeUnpacked;
  return PackageSize::Fits;
}

std::string PackageSizeReason(PackageSize verdict) {
  switch (verdict) {
    case PackageSize::TooManyParts:
      return "ish kitobida qismlar juda ko'p (" + std::to_string(kMostWorkbookParts) + " tadan ortiq).";
    case PackageSize::TooLargeUnpacked:
      return "ish kitobi arxivdan chiqarilganda juda katta bo'ladi (" +
             std::to_string(kLargestUnpackedWorkbook / kMebibyte) + " MB dan ortiq).";
    case PackageSize::Fits:
    case PackageSize::PartTooLarge: break;
  }
  return {};
}

}  // namespace soatnoma::workbook_package
