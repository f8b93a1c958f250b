#pragma once
// One part of a workbook's package: its name in the archive and its text (UTF-8 XML). Every
// edition packs the same parts; only the packing is its own.

#include <string>
#include <vector>

namespace soatnoma::workbook_parts {

struct PackagePart {
  std::string name;  // "xl/worksheets/sheet1.xml"
  std::string text;
  friend bool operator==(const PackagePart&, const PackagePart&) = default;
};

using PackageParts = std::vector<PackagePart>;

}  // namespace soatnoma::workbook_parts
