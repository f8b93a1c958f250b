#include "model/relative_formula.h"

namespace soatnoma {
namespace {

void AppendOffset(std::string& text, char axis, int offset) {
  text += axis;
  if (offset == 0) return;
  text += '[';
  text += std::to_string(offset);
  text += ']';
}

}  // namespace

std::string ColumnLetters(int column) {
  std::string letters;
  while (column > 0) {
    const int digit = (column - 1) % 26;
    letters.insert(letters.begin(), static_cast<char>('A' + digit));
    column = (column - 1) / 26;
  }
  return letters;
}

std::string RelativeFormula::ToR1C1() const {
  std::string text = "=";
  for (std::size_t i = 0; i < count_; ++i) {
    if (i > 0) text += '+';
    AppendOffset(text, 'R', terms_[i].rows);
    AppendOffset(text, 'C', terms_[i].columns);
  }
  return text;
}

std::string RelativeFormula::ToA1(int row, int column) const {
  std::string text;
  for (std::size_t i = 0; i < count_; ++i) {
    if (i > 0) text += '+';
    text += ColumnLetters(column + terms_[i].columns);
    text += std::to_string(row + terms_[i].rows);
  }
  return text;
}

}  // namespace soatnoma
