#pragma once
// The cells of a worksheet as its part stores them, walked row by row in the sheet's order,
// and what a cell's stored value is by the rules every edition reads it by: a shared text
// by its index, a text in the cell (whole or in runs), a formula's text result, a number
// only when it is one ("NaN", "1e400" and "0x10" are damage), a boolean, or an error value.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::workbook_reading {

struct StoredFormula {
  std::string kind;         // its "t": "", "normal" or "shared" (or what else a program wrote)
  std::string sharedIndex;  // its "si"
  std::string text;
};

struct StoredCell {
  std::string ref;                        // its "r" ("C8"), empty without one
  std::string type;                       // its "t"
  std::optional<std::string> value;       // the text of its <v>
  std::optional<std::string> inlineText;  // the texts of its <is>, codes of characters read back
  std::optional<StoredFormula> formula;

  bool HasContent() const { return formula || value || inlineText; }
};

// Each row's "r" (nullptr without one) is handed to row before its cells, each cell to
// cell; false when the part is no XML.
bool WalkStoredCells(std::string_view sheet, const std::function<void(const std::string* row)>& row,
                     const std::function<void(const StoredCell&)>& cell);

// What a cell holds as stored, a formula aside.
struct StoredValue {
  enum class Kind {
    Empty,    // no value: a formatted empty cell
    Text,     // a shared text, a text in the cell, or a formula's text result
    Number,   // a number; a boolean (TRUE 1, FALSE 0) too, with isBoolean
    Other,    // an error value ("#N/A") or a date written as text: its stored text
    Damaged,  // a reference to a missing shared text, or a number that is none
  };
  Kind kind = Kind::Empty;
  std::string text;  // of Text and Other; of Damaged, what is wrong ("yo'q matnga havola bor.")
  double number = 0;
  bool isBoolean = false;
};
StoredValue ReadStoredValue(const StoredCell& cell, const std::vector<std::string>& sharedTexts);

// A number cell as stored ("24", "1E+20", "NaN"), left for the number rule to read.
bool IsStoredNumber(const StoredCell& cell);

}  // namespace soatnoma::workbook_reading
