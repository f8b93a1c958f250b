#pragma once
// The texts a teacher types into the form (surname and name, school, subject) as a report
// can carry them: UTF-8, no control characters but tab and line ends, none of the two codes
// no workbook may hold (U+FFFE, U+FFFF), and of a length that fits a title line.

#include <cstddef>
#include <optional>
#include <string_view>

namespace soatnoma {

enum class FormTextField { Name, School, Subject };

// Characters (code points), far more than any real name, school or subject needs.
inline constexpr std::size_t kMaxFormTextLength = 200;

// Why the text cannot stand in the form's field, as the teacher is told; nullopt when it can.
std::optional<std::string_view> CheckFormText(FormTextField field, std::string_view text);

// Why a text that is not valid Unicode cannot stand in the field: a browser's text can hold
// half of a character (a lone surrogate), which no UTF-8 and no workbook can. The page
// refuses such text with these words before it reaches the program, as the command line
// refuses text that is not UTF-8.
std::string_view BrokenTextRefusal(FormTextField field);

// Empty, or nothing but blanks: the field names nobody (no teacher, no school, no subject).
// A text that is not UTF-8 is not blank; CheckFormText refuses it.
bool IsBlankFormText(std::string_view text);

}  // namespace soatnoma
