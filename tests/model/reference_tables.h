#pragma once
// The reference tables (tests/fixtures/tables, the same as the shared reference set), each
// computed independently for the teacher its name gives ("upper_10p5_rate18_other.csv"), and
// the teacher's table told by the program for it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "model/relative_formula.h"
#include "model/told_table.h"
#include "model/workload_table.h"

namespace soatnoma::reference_tables {

// The fields of a reference table by sheet place; nullopt for an empty field.
using Fields = std::vector<std::vector<std::optional<double>>>;

inline Fields ReadTable(const std::filesystem::path& file) {
  std::ifstream in(file);
  Fields rows;
  for (std::string line; std::getline(in, line);) {
    std::vector<std::optional<double>> fields;
    std::stringstream cells(line);
    for (std::string field; std::getline(cells, field, ',');) {
      fields.push_back(field.empty() ? std::nullopt : std::optional(std::strtod(field.c_str(), nullptr)));
    }
    fields.resize(kLastColumn - col::C + 1);
    rows.push_back(fields);
  }
  return rows;
}

inline std::optional<double> FieldAt(const Fields& fields, int row, int column) {
  return fields.at(static_cast<std::size_t>(row - kFirstWorkRow)).at(static_cast<std::size_t>(column - col::C));
}

struct Reference {
  std::filesystem::path file;
  TeacherCategory category;
  std::string weekly;
  std::string rate;
  bool leader;
};

// The rounded tables, or (before) those before the rounding pass.
inline std::vector<Reference> References(bool before) {
  const char* dir = std::getenv("SOATNOMA_FIXTURES");
  std::vector<Reference> references;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(dir ? dir : "tests/fixtures") + "/tables")) {
    std::string name = entry.path().stem().string();
    if (name.ends_with("_before") != before) continue;
    std::stringstream parts(name);
    std::string category, weekly, rate, state;
    std::getline(parts, category, '_');
    std::getline(parts, weekly, '_');
    std::getline(parts, rate, '_');
    std::getline(parts, state, '_');
    for (char& c : weekly) c = c == 'p' ? '.' : c;
    references.push_back({entry.path(), category == "upper" ? TeacherCategory::Upper : TeacherCategory::Primary, weekly,
                          rate.substr(4), state == "leader"});
  }
  return references;
}

inline const ToldTable& Told(const Reference& reference, std::unique_ptr<ToldTable>& keep) {
  auto told = TellTeacherTable({reference.category, reference.weekly, reference.rate, reference.leader});
  if (auto* table = std::get_if<std::unique_ptr<ToldTable>>(&told)) keep = std::move(*table);
  if (!keep) throw std::runtime_error("refused: " + reference.file.string());
  return *keep;
}

inline bool HoldsHours(CellOrigin origin) {
  return origin == CellOrigin::Scaled || origin == CellOrigin::Fixed || origin == CellOrigin::LeaderShare;
}

inline bool IsSum(CellOrigin origin) { return origin == CellOrigin::Sum; }

// check(told, expected, row, column) for every cell of C5:S20 whose story's origin is wanted,
// in every reference table after rounding (or before it), each failure traced to its table
// and cell.
template <typename Check>
void ForEveryCell(bool (*wanted)(CellOrigin), Check check, bool before = false) {
  for (const Reference& reference : References(before)) {
    std::unique_ptr<ToldTable> keep;
    const ToldTable& told = Told(reference, keep);
    const Fields expected = ReadTable(reference.file);
    for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
      for (int column = col::C; column <= kLastColumn; ++column) {
        if (!wanted(told.story.At(row, column).origin)) continue;
        SCOPED_TRACE(reference.file.filename().string() + " " + ColumnLetters(column) + std::to_string(row));
        check(told, expected, row, column);
      }
    }
  }
}

}  // namespace soatnoma::reference_tables
