#!/usr/bin/env python3
"""Writes src/staff_book/unicode_tables.cpp from the Unicode Character Database that Debian's
unicode-data package installs (/usr/share/unicode): how spreadsheet programs compare two
sheet names (letter case by the full case folding, compatibility forms as the characters
they stand for, dotless i and I with a dot as i), and the characters that belong to the one
before them when a name is cut. Run it again after a newer unicode-data is installed."""

import re
import sys
from pathlib import Path

UCD = Path("/usr/share/unicode")

# The characters compared by what they stand for: the alphabets and their letter-like forms
# (all before the CJK radicals, and the later Cyrillic and Latin extensions), the ligatures
# of the alphabetic presentation forms, the small, full-width and half-width forms,
# mathematical letters and digits and the enclosed ones. Forms of other writing systems are
# compared as they are.
COMPARED_BLOCKS = [(0x0000, 0x2E7F), (0xA640, 0xA7FF), (0xAB30, 0xAB6F), (0xFB00, 0xFB4F), (0xFE10, 0xFE6F),
                   (0xFF00, 0xFFEF), (0x1D400, 0x1D7FF), (0x1F100, 0x1F1FF)]

# Compared as "i" whatever the language: Turkish and Azerbaijani dotless i and capital I with a dot.
AS_I = {0x0130: [0x0069], 0x0131: [0x0069]}


def decompositions():
    """Each character's decomposition, canonical or compatibility (its <tag> dropped)."""
    table = {}
    for line in (UCD / "UnicodeData.txt").read_text().splitlines():
        fields = line.split(";")
        if fields[5]:
            parts = fields[5].split()
            if parts[0].startswith("<"):
                parts = parts[1:]
            table[int(fields[0], 16)] = [int(part, 16) for part in parts]
    return table


def full_folding():
    table = {}
    for line in (UCD / "CaseFolding.txt").read_text().splitlines():
        line = line.split("#")[0].strip()
        if not line:
            continue
        code, status, mapping = [part.strip() for part in line.split(";")[:3]]
        if status in ("C", "F"):
            table[int(code, 16)] = [int(part, 16) for part in mapping.split()]
    table.update(AS_I)
    return table


def compared():
    """Every character that compares as other characters: decomposed fully, folded, and again
    until nothing changes (NFKD, then the case folding, as long as either changes it)."""
    decomposed = decompositions()
    folded = full_folding()

    def decompose(text):
        out = []
        for c in text:
            out += decompose(decomposed[c]) if c in decomposed else [c]
        return out

    def key(c):
        text = AS_I.get(c, [c])
        while True:
            step = []
            for d in decompose(text):
                step += folded.get(d, [d])
            if step == text:
                return text
            text = step

    codes = (c for c in set(decomposed) | set(folded) if any(a <= c <= b for a, b in COMPARED_BLOCKS))
    keys = {c: key(c) for c in sorted(codes)}
    return {c: k for c, k in keys.items() if k != [c]}


def folding_runs(keys):
    """Runs of characters that compare as one character at the same distance, at a step of one or two."""
    runs = []
    for code, folded in ((c, k[0]) for c, k in keys.items() if len(k) == 1):
        delta = folded - code
        if runs:
            first, last, step, run_delta = runs[-1]
            if run_delta == delta and (code - last == step or (first == last and code - last in (1, 2))):
                runs[-1] = (first, code, code - first if first == last else step, delta)
                continue
        runs.append((code, code, 1, delta))
    return runs


def expansions(keys):
    return [(c, k) for c, k in keys.items() if len(k) != 1]


def joining():
    codes = set()
    for line in (UCD / "auxiliary" / "GraphemeBreakProperty.txt").read_text().splitlines():
        match = re.match(r"([0-9A-F]+)(?:\.\.([0-9A-F]+))?\s*;\s*(\w+)", line)
        if match and match.group(3) in ("Extend", "SpacingMark", "ZWJ"):
            first = int(match.group(1), 16)
            last = int(match.group(2) or match.group(1), 16)
            codes.update(range(first, last + 1))
    ranges = []
    for code in sorted(codes):
        if ranges and ranges[-1][1] == code - 1:
            ranges[-1][1] = code
        else:
            ranges.append([code, code])
    return ranges


def lines_of(entries):
    """The entries as lines of at most 120 columns."""
    lines = []
    for entry in entries:
        if lines and len(lines[-1]) + 1 + len(entry) <= 120:
            lines[-1] += " " + entry
        else:
            lines.append("      " + entry)
    return lines


def literal(text):
    return 'U"' + "".join(f"\\x{c:X}" for c in text) + '"'


def main():
    version = re.search(r"CaseFolding-([\d.]+)\.txt", (UCD / "CaseFolding.txt").read_text()).group(1)
    keys = compared()
    out = [
        "// Written by scripts/unicode_tables.py from the Unicode Character Database " + version + "; do not edit.",
        '#include "staff_book/unicode_tables.h"',
        "",
        "namespace soatnoma::batch {",
        "",
        "std::span<const FoldingRun> FoldingRuns() {",
        "  static constexpr FoldingRun kRuns[] = {",
    ]
    runs = folding_runs(keys)
    out += lines_of(f"{{0x{a:04X}, 0x{b:04X}, {s}, {d}}}," for a, b, s, d in runs)
    out += ["  };", "  return kRuns;", "}", "",
            "std::span<const FoldingExpansion> FoldingExpansions() {",
            "  static constexpr FoldingExpansion kExpansions[] = {"]
    expanded = expansions(keys)
    out += lines_of(f"{{0x{c:04X}, {literal(k)}}}," for c, k in expanded)
    out += ["  };", "  return kExpansions;", "}", "",
            "std::span<const CodeRange> JoiningRanges() {", "  static constexpr CodeRange kRanges[] = {"]
    ranges = joining()
    out += lines_of(f"{{0x{a:04X}, 0x{b:04X}}}," for a, b in ranges)
    out += ["  };", "  return kRanges;", "}", "", "}  // namespace soatnoma::batch", ""]
    target = Path(__file__).resolve().parent.parent / "src" / "staff_book" / "unicode_tables.cpp"
    target.write_text("\n".join(out))
    print(f"{target}: {len(runs)} folding runs, {len(expanded)} expansions, {len(ranges)} joining ranges",
          file=sys.stderr)


if __name__ == "__main__":
    main()
