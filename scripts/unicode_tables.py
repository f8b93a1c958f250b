#!/usr/bin/env python3
"""Writes src/staff_book/unicode_tables.cpp from the Unicode Character Database that Debian's
unicode-data package installs (/usr/share/unicode): the simple case folding of the
alphabets a school's staff list is written in, and the characters that belong to the one
before them when a name is cut. Run it again after a newer unicode-data is installed."""

import re
import sys
from pathlib import Path

UCD = Path("/usr/share/unicode")

# Latin with Latin-1, Extended-A/B, IPA; Greek and Coptic; Cyrillic and its Supplement;
# Latin Extended Additional; Greek Extended; Latin Extended-C and -D; Cyrillic Extended-B;
# the full-width Latin of East Asian fonts.
FOLDED_BLOCKS = [(0x0000, 0x052F), (0x1C80, 0x1C8F), (0x1E00, 0x1FFF), (0x2C60, 0x2C7F),
                 (0xA640, 0xA69F), (0xA720, 0xA7FF), (0xFF00, 0xFFEF)]


def folding():
    pairs = []
    for line in (UCD / "CaseFolding.txt").read_text().splitlines():
        line = line.split("#")[0].strip()
        if not line:
            continue
        code, status, mapping = [part.strip() for part in line.split(";")[:3]]
        if status not in ("C", "S"):
            continue
        code = int(code, 16)
        if any(first <= code <= last for first, last in FOLDED_BLOCKS):
            pairs.append((code, int(mapping, 16)))
    # Runs of letters that fold by the same distance at a step of one or two.
    runs = []
    for code, folded in pairs:
        delta = folded - code
        if runs:
            first, last, step, run_delta = runs[-1]
            if run_delta == delta and (code - last == step or (first == last and code - last in (1, 2))):
                runs[-1] = (first, code, code - first if first == last else step, delta)
                continue
        runs.append((code, code, 1, delta))
    return runs


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


def main():
    version = re.search(r"CaseFolding-([\d.]+)\.txt", (UCD / "CaseFolding.txt").read_text()).group(1)
    out = [
        "// Written by scripts/unicode_tables.py from the Unicode Character Database " + version + "; do not edit.",
        '#include "batch/unicode_tables.h"',
        "",
        "namespace soatnoma::batch {",
        "",
        "std::span<const FoldingRun> FoldingRuns() {",
        "  static constexpr FoldingRun kRuns[] = {",
    ]
    runs = folding()
    for i in range(0, len(runs), 3):
        out.append("      " + " ".join(f"{{0x{a:04X}, 0x{b:04X}, {s}, {d}}}," for a, b, s, d in runs[i:i + 3]))
    out += ["  };", "  return kRuns;", "}", "",
            "std::span<const CodeRange> JoiningRanges() {", "  static constexpr CodeRange kRanges[] = {"]
    ranges = joining()
    for i in range(0, len(ranges), 4):
        out.append("      " + " ".join(f"{{0x{a:04X}, 0x{b:04X}}}," for a, b in ranges[i:i + 4]))
    out += ["  };", "  return kRanges;", "}", "", "}  // namespace soatnoma::batch", ""]
    target = Path(__file__).resolve().parent.parent / "src" / "batch" / "unicode_tables.cpp"
    target.write_text("\n".join(out))
    print(f"{target}: {len(runs)} folding runs, {len(ranges)} joining ranges", file=sys.stderr)


if __name__ == "__main__":
    main()
