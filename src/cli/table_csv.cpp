#include "cli/table_csv.h"

#include <array>
#include <charconv>

#include "model/workload_table.h"

namespace soatnoma::cli {

std::string ShortestNumberText(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::string TableAsCsv(const CellGrid& table) {
  std::string csv;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= kLastColumn; ++column) {
      if (column > col::C) csv += ',';
      if (const auto value = table.ReadValue(row, column)) csv += ShortestNumberText(*value);
    }
    csv += '\n';
  }
  return csv;
}

}  // namespace soatnoma::cli
