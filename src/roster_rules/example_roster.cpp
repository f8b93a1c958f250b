#include "roster_rules/example_roster.h"

#include <array>

#include "model/number_text.h"
#include "roster_rules/roster_columns.h"
#include "roster_rules/roster_text.h"

namespace soatnoma::roster_rules {
namespace {

using Row = std::vector<ExampleCell>;

Row Header() {
  return {"ism", "maktab", "fan", "toifa", "soat", "stavka", "rahbar", "du", "se", "ch", "pa", "ju", "sh"};
}

std::vector<Row> Teachers() {
  return {
      {"Karimova Dilnoza", 12.0, "Ona tili va adabiyot", "yuqori", 24.0, "", "ha", "", "", "", "", "", ""},
      {"Toshmatov O\xCA\xBBtkir", 12.0, "Fizika", "yuqori", "", "", "yo'q", 4.0, 4.0, 4.0, 4.0, 4.0, 2.5},
      {"Aliyeva Nodira", 12.0, "Boshlang\xCA\xBBich sinf", "boshlangich", 18.0, 18.0, "ha", "", "", "", "", "", ""},
      {"Rahimov Sardor", 12.0, "Matematika", "yuqori", 27.5, 20.0, "", "", "", "", "", "", ""},
  };
}

// What is said of the list as a whole, below the notes on each column.
constexpr std::array<std::string_view, 3> kListNotes = {
    "Ustunlar istalgan tartibda bo'lishi mumkin; stavka, rahbar va kun ustunlari majburiy emas.",
    "Birinchi varaq o'qiladi: birinchi qatorda ustun nomlari, keyin har qatorda bitta o'qituvchi.",
    "Bo'sh qatorlar o'tkazib yuboriladi.",
};

std::vector<Row> Notes() {
  std::vector<Row> notes;
  for (const RosterColumn& column : RosterColumns())
    notes.push_back({std::string(column.names), std::string(column.holds)});
  for (const std::string_view note : kListNotes) notes.push_back({"", std::string(note)});
  return notes;
}

// A number as Excel shows it in Uzbek settings: "22,5".
std::string WithDecimalComma(double number) {
  std::string text = NumberToText(number);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

std::string CsvField(const ExampleCell& cell) {
  if (const double* number = std::get_if<double>(&cell)) return WithDecimalComma(*number);
  const std::string& text = std::get<std::string>(cell);
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string CsvLine(const Row& row) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) line += (i > 0 ? ";" : "") + CsvField(row[i]);
  return line + "\r\n";
}

}  // namespace

std::vector<ExampleSheet> ExampleRosterSheets() {
  ExampleSheet teachers{"Ro'yxat", {Header()}, {{1, 1, 24}, {3, 3, 22}, {4, 4, 12}, {8, 13, 5}}, true};
  for (Row& row : Teachers()) teachers.rows.push_back(std::move(row));
  ExampleSheet notes{"Izoh", Notes(), {{1, 1, 18}, {2, 2, 90}}, false};
  return {std::move(teachers), std::move(notes)};
}

std::string ExampleSavedText(std::string_view file, std::string_view openButton) {
  return "Ro'yxat namunasi saqlandi:\n" + std::string(file) + "\n\nUni o'z xodimlaringiz bilan to'ldirib, \"" +
         std::string(openButton) + "\" tugmasi bilan oching.";
}

std::string ExampleRosterCsv() {
  std::string text(kUtf8ByteOrderMark);
  text += CsvLine(Header());
  for (const Row& row : Teachers()) text += CsvLine(row);
  return text;
}

}  // namespace soatnoma::roster_rules
