#pragma once
// What a workbook of the program holds, as it stands: `list` names a staff workbook's
// teachers, `pdf` prints a report or a staff workbook into a PDF, corrections included.

#include <ostream>
#include <span>
#include <string>

namespace soatnoma::cli {

// soatnoma-cli list BOOK.xlsx
// A line a teacher on out: the sheet, the name and the yearly total as "Jami" stores it,
// a tab between them; a workbook that "Ochish" would refuse is refused with its reason.
int RunListCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// soatnoma-cli pdf BOOK.xlsx -o OUT.pdf
int RunPdfCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace soatnoma::cli
