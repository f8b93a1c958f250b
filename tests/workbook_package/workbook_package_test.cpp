// A workbook's package weighed from its listing: the parts' count, the largest part and all
// of them together, whichever limit is passed first, and sizes a hostile listing declares
// as large as a listing can hold.
#include "workbook_package/workbook_package.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace soatnoma::workbook_package {
namespace {

struct Listing {
  const char* what;
  std::vector<std::uint64_t> sizes;
  std::size_t moreTinyParts;  // parts of one byte after the sizes
  PackageSize verdict;
};

TEST(WorkbookPackage, TheListingIsWeighedAgainstEachLimit) {
  constexpr std::uint64_t kPart = kLargestWorkbookPart;
  constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
  // Parts of the largest size and the rest, as much as a workbook may unpack to in all.
  std::vector<std::uint64_t> inAll(kLargestUnpackedWorkbook / kPart, kPart);
  inAll.push_back(kLargestUnpackedWorkbook % kPart);
  const std::vector<Listing> listings = {
      {"nothing", {}, 0, PackageSize::Fits},
      {"a report", {1200, 40000, 800, 7000}, 0, PackageSize::Fits},
      {"all there may be in all", inAll, 0, PackageSize::Fits},
      {"a byte more in all", inAll, 1, PackageSize::TooLargeUnpacked},
      // What the program writes for its most teachers, and LibreOffice's sheets a quarter larger.
      {"the largest staff workbook", std::vector<std::uint64_t>(kMostWorkbookTeachers, 20 * 1024), 11,
       PackageSize::Fits},
      {"one part a byte too large", {kPart + 1}, 0, PackageSize::PartTooLarge},
      {"the most parts", {}, kMostWorkbookParts, PackageSize::Fits},
      {"a part too many", {}, kMostWorkbookParts + 1, PackageSize::TooManyParts},
      {"too many parts before a large one", {kPart + 1}, kMostWorkbookParts, PackageSize::TooManyParts},
      {"the largest sizes a listing can declare", {kMost, kMost, 2}, 0, PackageSize::PartTooLarge},
      {"parts that each fit but wrap round in all", std::vector<std::uint64_t>(300, kPart), 0,
       PackageSize::TooLargeUnpacked},
  };
  for (const Listing& listing : listings) {
    SCOPED_TRACE(listing.what);
    PackageSizeCount count;
    for (const std::uint64_t size : listing.sizes) count.Add(size);
    for (std::size_t part = 0; part < listing.moreTinyParts; ++part) count.Add(1);
    EXPECT_EQ(count.Verdict(), listing.verdict);
  }
}

}  // namespace
}  // namespace soatnoma::workbook_package
