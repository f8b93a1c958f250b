#pragma once
// Worksheet names for the teachers of a staff workbook, taken from each teacher's name and
// made acceptable to every spreadsheet program: at most 31 characters, none of the
// characters [ ] : * ? / \, control characters or U+FFFE and U+FFFF, no apostrophe at
// either end, never empty, and unique in the workbook regardless of letter case. A name
// already given is numbered: "Aliyev Vali (2)".

#include <QHash>
#include <QSet>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::batch {

class SheetNames {
 public:
  static constexpr int kMaxLength = 31;  // UTF-16 units, which is what spreadsheets count

  // names: the workbook's other worksheets, which no teacher's sheet may take.
  explicit SheetNames(const std::vector<std::string>& taken = {});

  // The sheet name for the next teacher; UTF-8.
  std::string Claim(std::string_view teacherName);

 private:
  bool IsFree(const QString& name) const;
  void Take(const QString& name);

  QSet<QString> taken_;             // case-folded
  QHash<QString, int> nextNumber_;  // case-folded sheet name: the number its next clash tries first
};

}  // namespace soatnoma::batch
