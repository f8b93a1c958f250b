#!/usr/bin/env bash
# Holds the tree to its style: C++ as .clang-format lays it out, the page's JavaScript as
# web/.prettierrc.json lays it out and web/eslint.config.js allows, and no line of any other
# source, build or set-up file longer than 120 columns. Prints what differs and exits 1.
set -euo pipefail
cd "$(dirname "$0")/.."
failed=0

mapfile -t cxx < <(git ls-files '*.cpp' '*.h' '*.h.in')
if ! clang-format --dry-run --Werror "${cxx[@]}" 2>/tmp/soatnoma-format.log; then
  grep -m 20 'error:' /tmp/soatnoma-format.log >&2 || true
  echo "C++ kodi .clang-format bo'yicha emas: clang-format -i bilan tuzating" >&2
  failed=1
fi

if ! (cd web && npx --no-install prettier --check --log-level warn . &&
  npx --no-install eslint --max-warnings 0 .); then
  echo "Sahifa kodi tartibda emas: web/ ichida npx prettier --write . va npx eslint ." >&2
  failed=1
fi

mapfile -t others < <(git ls-files '*CMakeLists.txt' '*.cmake' '*.sh' '*.css' '*.html' '.ci/*' '*.py')
if long=$(awk 'length > 120 { print FILENAME ":" FNR }' "${others[@]}") && [ -n "$long" ]; then
  echo "$long" >&2
  echo "120 belgidan uzun qatorlar bor" >&2
  failed=1
fi
exit "$failed"
