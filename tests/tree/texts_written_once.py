#!/usr/bin/env python3
"""Every text the program shows a teacher is written once in the code: a second copy of a
sentence or a file filter drifts from the first the day one of them is mended. Lists each
text that stands in two files of the programs' code (src, qt, desktop, cli, web/module) and
exits 1 if there is one; within one file a text may stand again, as in the rows of a table,
where the reader sees both. The desktop's translations of the toolkit's own texts are a table
keyed by the toolkit's words, where one Uzbek word may answer two of them; it is left out."""
import pathlib
import re
import sys

FOLDERS = ('src', 'qt', 'desktop', 'cli', 'web/module')
LEFT_OUT = {'desktop/uzbek_qt_texts.cpp'}
# A text a teacher reads: two words or more, letters in it, and nothing of code or markup.
SHOWN = re.compile(r"^(?=.*[a-z]{3})(?=.* )[^<>{}=\\|]{10,}$")
# Names of fonts are not texts a teacher reads.
FONTS = {'DejaVu Sans', 'Liberation Sans'}


def literals(source):
  """The contents of the string literals of C++ source, with their lines; comments skipped."""
  found, i, line = [], 0, 1
  while i < len(source):
    c = source[i]
    if source.startswith('//', i):
      i = source.find('\n', i)
      i = len(source) if i < 0 else i
      continue
    if source.startswith('/*', i):
      end = source.find('*/', i + 2)
      line += source.count('\n', i, end)
      i = end + 2
      continue
    raw = re.match(r'R"([^(]*)\(', source[i:])
    if raw:
      end = source.find(')' + raw.group(1) + '"', i)
      found.append((line, source[i + raw.end():end]))
      line += source.count('\n', i, end)
      i = end + len(raw.group(1)) + 2
      continue
    if c in '"\'':
      j = i + 1
      while j < len(source) and source[j] != c:
        j += 2 if source[j] == '\\' else 1
      if c == '"':
        found.append((line, source[i + 1:j]))
      i = j + 1
      continue
    if c == '\n':
      line += 1
    i += 1
  return found


def places_of_texts(root):
  places = {}
  for folder in FOLDERS:
    for path in sorted((root / folder).rglob('*')):
      name = path.relative_to(root).as_posix()
      if path.suffix not in ('.h', '.cpp') or name in LEFT_OUT:
        continue
      for line, text in literals(path.read_text(encoding='utf-8')):
        if SHOWN.match(text) and text not in FONTS:
          places.setdefault(text, []).append(f'{name}:{line}')
  return places


def main():
  root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2])
  twice = {text: where for text, where in places_of_texts(root).items()
           if len({place.split(':')[0] for place in where}) > 1}
  for text, where in sorted(twice.items()):
    print(f'"{text}" is written {len(where)} times: {", ".join(where)}')
  return 1 if twice else 0


if __name__ == '__main__':
  sys.exit(main())
