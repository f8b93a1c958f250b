#include "roster_rules/roster_columns.h"

#include <array>

#include "model/name_text.h"
#include "model/utf8_text.h"

namespace soatnoma::roster_rules {
namespace {

constexpr std::array<RosterColumn, 8> kColumns = {{
    {"ism", "o'qituvchining familiyasi va ismi", true},
    {"maktab", "maktab raqami", true},
    {"fan", "fan", true},
    {"toifa", "yuqori (yuqori sinflar, stavka 20) yoki boshlangich (boshlang'ich sinflar, stavka 18)", true},
    {"soat", "haftalik dars soati, formadagi kabi (22,5 yoki 22.5)", true},
    {"stavka", "dars stavkasi; bo'sh bo'lsa toifaniki (20 yoki 18)", false},
    {"rahbar", "sinf rahbari: ha yoki 1; yo'q, 0 yoki bo'sh - rahbar emas", false},
    {"du se ch pa ju sh", "har kungi dars soati; soat bo'sh bo'lsa qo'shib hisoblanadi", false},
}};

// The column of the days stands in for "soat"; it is named beside it, not among the optional.
constexpr std::string_view kDays = "du se ch pa ju sh";

std::string Listed(const std::vector<std::string>& texts) {
  if (texts.empty()) return "(hech narsa)";
  std::string list;
  for (const std::string& text : texts) list += (list.empty() ? "" : ", ") + QuotedInMessage(text);
  return list;
}

}  // namespace

std::string ColumnHeading(std::string_view cell) {
  std::string_view heading = TrimmedBlanks(cell);
  if (heading.size() >= 2 && heading.front() == '"' && heading.back() == '"') {
    heading = TrimmedBlanks(heading.substr(1, heading.size() - 2));
  }
  std::string lowered(heading);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lowered;
}

std::span<const RosterColumn> RosterColumns() { return kColumns; }

std::string ExpectedColumnsText() {
  std::string required;
  std::string optional;
  for (const RosterColumn& column : kColumns) {
    if (column.names == kDays) continue;
    std::string& list = column.required ? required : optional;
    list += (list.empty() ? "" : ", ") + std::string(column.names);
  }
  return required + " (soat o'rniga kunlar: du, se, ch, pa, ju, sh); ixtiyoriy: " + optional;
}

std::string HeadingRowNotFoundMessage(const std::vector<std::string>& headingsFound) {
  return "Ro'yxatda ustun nomlari qatori topilmadi: \"ism\" ustuni yo'q. Kerakli ustunlar: " + ExpectedColumnsText() +
         ". Fayldagi sarlavhalar: " + Listed(headingsFound) + ".";
}

}  // namespace soatnoma::roster_rules
