#pragma once
// The workbook's shared texts: each text kept once and named by its place in the list, the
// order being the order in which cells first used them.

#include <string>
#include <unordered_map>
#include <vector>

namespace soatnoma::workbook_parts {

class SharedTexts {
 public:
  // The place of the text in the list, adding it the first time.
  int Index(const std::string& text);

  int Size() const { return static_cast<int>(texts_.size()); }

  // The shared strings part; every use counted.
  std::string Xml() const;

 private:
  std::unordered_map<std::string, int> places_;
  std::vector<const std::string*> texts_;  // into places_, whose keys stay where they are
  int uses_ = 0;
};

}  // namespace soatnoma::workbook_parts
