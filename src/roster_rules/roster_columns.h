#pragma once
// The columns of a staff list, as the school office is told of them: what each holds and
// whether it must be there. One table for the example list's notes, the help and the
// message about a list whose heading row is not found.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::roster_rules {

struct RosterColumn {
  std::string_view names;  // the heading, or the headings of one kind ("du se ch pa ju sh")
  std::string_view holds;  // what its cells hold, in Uzbek
  bool required = false;
};

// A cell of the row of headings as the columns are told apart by it: without the blanks
// (of any script) and the quotes around it, in small letters; " \"Maktab\" " is "maktab".
std::string ColumnHeading(std::string_view cell);

// Every column in the order the example list has them.
std::span<const RosterColumn> RosterColumns();

// "ism, maktab, fan, toifa, soat (yoki kunlar: du, se, ch, pa, ju, sh); ixtiyoriy: stavka, rahbar"
std::string ExpectedColumnsText();

// No row of the list names the "ism" column: what was expected and the headings found
// there instead (the first row that reads as a row of headings), said once for the list.
std::string HeadingRowNotFoundMessage(const std::vector<std::string>& headingsFound);

}  // namespace soatnoma::roster_rules
