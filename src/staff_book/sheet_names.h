#pragma once
// Worksheet names for the teachers of a staff workbook, taken from each teacher's name by
// the rule of every name taken from text (model/name_text.h: no direction controls, never
// dots only) and made acceptable to every spreadsheet program: at most 31 characters, none
// of the characters [ ] : * ? / \, control characters or U+FFFE and U+FFFF, nothing that
// reads as a character's code ("_x0041_"), no apostrophe at either end, no character that
// shows nothing (a zero-width space: "A\u200Bli" would look like "Ali"), never empty, and
// unique in the workbook as spreadsheet programs compare sheet names: regardless of letter
// case, compatibility forms and dotless i ("ﬁna Karim" and "FINA KARIM" are one name there).
// A name already given is numbered: "Aliyev Vali (2)". Plain C++, shared by every edition.

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace soatnoma::staff_book {

class SheetNames {
 public:
  static constexpr std::size_t kMaxLength = 31;  // UTF-16 units, which is what spreadsheets count

  // names: the workbook's other worksheets, which no teacher's sheet may take.
  explicit SheetNames(const std::vector<std::string>& taken = {});

  // The sheet name for the next teacher; UTF-8.
  std::string Claim(std::string_view teacherName);

 private:
  bool IsFree(const std::u32string& name) const;
  void Take(const std::u32string& name);

  std::unordered_set<std::u32string> taken_;            // comparison keys
  std::unordered_map<std::u32string, int> nextNumber_;  // a sheet name's key: the number its next clash tries first
};

}  // namespace soatnoma::staff_book
