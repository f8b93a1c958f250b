#pragma once
// The sum formulas of the workload table: "=" followed by relative R1C1 references joined
// by "+", such as "=R[1]C+R[3]C" (rows below) or "=RC[-3]+RC[-2]+RC[-1]" (cells to the left).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace soatnoma {

struct CellOffset {
  std::int16_t rows = 0;
  std::int16_t columns = 0;
  friend constexpr bool operator==(const CellOffset&, const CellOffset&) = default;
};

class RelativeFormula {
 public:
  static constexpr std::size_t kMaxTerms = 8;

  // Reads a formula text; nullopt when it is not a sum of relative references.
  static constexpr std::optional<RelativeFormula> Parse(std::string_view text);

  constexpr std::span<const CellOffset> Terms() const { return {terms_.data(), count_}; }

  // The R1C1 text again ("=R[1]C+R[3]C").
  std::string ToR1C1() const;
  // The same formula in A1 notation for the cell at (row, column), without the "="
  // ("C6+C8"); used by workbook writers.
  std::string ToA1(int row, int column) const;

  // Sums the terms from left to right in double precision; valueAt(row, column) gives
  // the value of a referred cell (0 for an empty one).
  template <typename ValueAt>
  double Evaluate(int row, int column, ValueAt&& valueAt) const {
    double sum = 0;
    for (std::size_t i = 0; i < count_; ++i) {
      sum += valueAt(row + terms_[i].rows, column + terms_[i].columns);
    }
    return sum;
  }

  friend constexpr bool operator==(const RelativeFormula& a, const RelativeFormula& b) {
    if (a.count_ != b.count_) return false;
    for (std::size_t i = 0; i < a.count_; ++i) {
      if (!(a.terms_[i] == b.terms_[i])) return false;
    }
    return true;
  }

 private:
  std::array<CellOffset, kMaxTerms> terms_{};
  std::uint8_t count_ = 0;
};

// A formula text known when the program is built; a malformed one does not compile.
consteval RelativeFormula FormulaText(std::string_view text) {
  auto formula = RelativeFormula::Parse(text);
  if (!formula) throw "not a relative sum formula";
  return *formula;
}

// Column letters of the sheet: 1 is "A", 19 is "S", 27 is "AA".
std::string ColumnLetters(int column);

// ---------------------------------------------------------------------------------------

namespace formula_detail {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the part after "R" or "C": nothing (offset 0) or "[n]" with an optional minus.
constexpr std::optional<int> ReadOffset(std::string_view text, std::size_t& i) {
  if (i >= text.size() || text[i] != '[') return 0;
  ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  int value = 0;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    if (value > 9999) return std::nullopt;  // far beyond any sheet of ours
    value = value * 10 + (text[i] - '0');
    ++i;
    ++digits;
  }
  if (digits == 0 || i >= text.size() || text[i] != ']') return std::nullopt;
  ++i;
  return negative ? -value : value;
}

}  // namespace formula_detail

constexpr std::optional<RelativeFormula> RelativeFormula::Parse(std::string_view text) {
  if (text.empty() || text[0] != '=') return std::nullopt;
  RelativeFormula formula;
  std::size_t i = 1;
  while (true) {
    if (formula.count_ == kMaxTerms) return std::nullopt;
    if (i >= text.size() || (text[i] != 'R' && text[i] != 'r')) return std::nullopt;
    ++i;
    const auto rows = formula_detail::ReadOffset(text, i);
    if (!rows) return std::nullopt;
    if (i >= text.size() || (text[i] != 'C' && text[i] != 'c')) return std::nullopt;
    ++i;
    const auto columns = formula_detail::ReadOffset(text, i);
    if (!columns) return std::nullopt;
    formula.terms_[formula.count_++] =
        CellOffset{static_cast<std::int16_t>(*rows), static_cast<std::int16_t>(*columns)};
    if (i == text.size()) return formula;
    if (text[i] != '+') return std::nullopt;
    ++i;
  }
}

}  // namespace soatnoma
