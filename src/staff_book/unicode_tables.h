#pragma once
// Character data that naming a teacher's sheet needs, taken from the Unicode Character
// Database by scripts/unicode_tables.py.
//
// How spreadsheet programs compare two sheet names: a character as the characters it stands
// for (its canonical and compatibility decomposition: "ﬁ" as "fi", "Ｋ" as "K", "é" as "e"
// and its accent), in letter case by the full case folding ("ß" and "SS" alike), dotless i
// and capital I with a dot as i, over and over until nothing changes. The alphabets staff
// lists are written in and their letter-like forms take part; forms of other writing
// systems are compared as they are.
//
// Characters that join the one before: combining marks, spacing marks of the Indic
// scripts, variation selectors, emoji skin tones and the zero-width joiner, so a cut
// never leaves an accent without its letter or splits an emoji.

#include <span>
#include <string_view>

namespace soatnoma::staff_book {

// The characters first, first + step, ... up to last compare as themselves plus delta.
struct FoldingRun {
  char32_t first;
  char32_t last;
  int step;
  int delta;
};

// A character that compares as other characters than one.
struct FoldingExpansion {
  char32_t character;
  std::u32string_view folded;
};

struct CodeRange {
  char32_t first;
  char32_t last;
};

std::span<const FoldingRun> FoldingRuns();              // in order of first
std::span<const FoldingExpansion> FoldingExpansions();  // in order of character
std::span<const CodeRange> JoiningRanges();             // in order, none overlapping

}  // namespace soatnoma::staff_book
