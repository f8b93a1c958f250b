#pragma once
// Character data that naming a teacher's sheet needs, taken from the Unicode Character
// Database by scripts/unicode_tables.py.
//
// Letter case: the simple case folding (one character to one character) of the alphabets
// staff lists are written in: Latin with all its accented and extended letters (Uzbek,
// Turkish, Karakalpak, European names), Greek and Cyrillic (Uzbek, Kazakh, Tajik, Russian).
// The simple folding is what keeps a name's length: "Straße" and "STRASSE" stay two names,
// as they are two spellings. Letters of other scripts are compared as they are.
//
// Characters that join the one before: combining marks, spacing marks of the Indic
// scripts, variation selectors, emoji skin tones and the zero-width joiner, so a cut
// never leaves an accent without its letter or splits an emoji.

#include <span>

namespace soatnoma::batch {

// The characters first, first + step, ... up to last fold to themselves plus delta.
struct FoldingRun {
  char32_t first;
  char32_t last;
  int step;
  int delta;
};

struct CodeRange {
  char32_t first;
  char32_t last;
};

std::span<const FoldingRun> FoldingRuns();     // in order of first
std::span<const CodeRange> JoiningRanges();  // in order, none overlapping

}  // namespace soatnoma::batch
