#pragma once
// A staff list to start from, the same in every edition: the roster's header row and a few
// teachers that show how each column is filled (weekly hours typed, or the lesson hours of
// each day added up; a class leader; a primary-class teacher with the rate of the category).
// As a workbook it carries a second sheet that explains the columns; as CSV it is what
// Excel saves in Uzbek settings (UTF-8 with a byte-order mark, ";" between fields, a
// decimal comma, CRLF). Each edition writes the workbook described here with its own
// workbook library.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace soatnoma::roster_rules {

// A cell of the example: a text ("" for an empty cell), or a number.
using ExampleCell = std::variant<std::string, double>;

struct ExampleColumnWidth {
  int firstColumn = 1;  // columns from 1
  int lastColumn = 1;
  double characters = 0;
};

struct ExampleSheet {
  std::string name;
  std::vector<std::vector<ExampleCell>> rows;  // from row 1
  std::vector<ExampleColumnWidth> widths;
  bool headingRow = false;  // the first row is bold and stays in view
};

// The teachers' sheet, then the sheet of notes on the columns. Both print on A4 landscape,
// every column on the page's width.
std::vector<ExampleSheet> ExampleRosterSheets();

// The CSV text of the example.
std::string ExampleRosterCsv();

// Said once the example is saved: where it is, and that the list filled in is opened with
// the button named.
std::string ExampleSavedText(std::string_view file, std::string_view openButton);

// The names the example is offered under.
inline constexpr std::string_view kExampleWorkbookName = "royxat.xlsx";
inline constexpr std::string_view kExampleCsvName = "royxat.csv";

}  // namespace soatnoma::roster_rules
