#pragma once
// Names the program makes of text it was given (a teacher's name, a staff list's file
// name) for files and worksheets, and texts it shows back in its messages: one rule for
// every edition and every kind of name. A name holds no path separator (it would name a
// folder), is never dots only ("." and ".." are a folder itself and the one above it),
// and carries none of the invisible marks that turn the direction text is shown in: with
// U+202E a sheet "Ali <U+202E>ilaV" shows as "Ali Vali", and a file's name can show
// another suffix than the one it has.

#include <string>
#include <string_view>

namespace soatnoma {

// The marks that set the direction text is shown in: U+061C, U+200E, U+200F,
// U+202A..U+202E, U+2066..U+2069.
bool IsDirectionControl(char32_t character);

// What one kind of name (a file's, a worksheet's) asks beyond the rule.
struct NameKind {
  bool (*forbidden)(char32_t) = nullptr;      // characters it may not hold besides separators and controls
  char32_t replacement = U'_';                // what stands for one; a blank parts the words around it
  bool (*trimmedAtEnds)(char32_t) = nullptr;  // characters it may neither begin nor end with besides blanks
};

// The characters of a UTF-8 text, a malformed byte read as U+FFFD.
std::u32string CharactersOf(std::string_view text);
std::string Utf8Of(std::u32string_view characters);

// The name made of the characters: direction controls left out; "/", "\", control
// characters and what the kind forbids replaced; runs of blanks made one space, and none
// (nor what the kind trims) at either end. A name of dots only is no name: empty.
std::u32string NameOf(std::u32string_view characters, const NameKind& kind);

// A text from the user shown in a message, in quotes, on one line and as it reads: line
// ends and tabs as \r, \n and \t, every other control character by its code (\x1b,
// \u009b), and so are the direction controls (\u202e), so nothing in it can act as a
// command on a terminal or turn the message around it.
std::string QuotedInMessage(std::string_view text);
// The same without the quotes, for a field of a line that a program reads.
std::string ShownOnOneLine(std::string_view text);

}  // namespace soatnoma
