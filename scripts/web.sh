#!/usr/bin/env bash
# Installs what is missing, builds the browser edition and prints the path of the one file
# it is: build-web/soatnoma.html (open it with a double-click; it needs no network).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --web
if ! command -v npm >/dev/null; then
  echo "npm topilmadi: Node.js 20 va npm kerak" >&2
  exit 1
fi
out=build-web
mkdir -p "$out"

# The page's libraries, exactly as package-lock.json pins them.
installed=web/node_modules/.package-lock.json
if [ ! -f "$installed" ] || [ web/package-lock.json -nt "$installed" ]; then
  npm ci --prefix web --no-audit --no-fund --loglevel=error
fi

# The WebAssembly module: the calculation core and the report form, nothing else. Linking
# optimised code runs the compiler's helpers under node, which look for their modules here.
export NODE_PATH=/usr/share/nodejs
if [ ! -f "$out/module/CMakeCache.txt" ]; then
  emcmake cmake -S . -B "$out/module" -DSOATNOMA_WEB=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$out/module" --parallel "$(nproc)"

web/subset_fonts.sh "$out/fonts" 2>/dev/null
node web/build.mjs "$out/module/web/soatnoma_module.js" "$out/fonts" "$out/soatnoma.html"
realpath "$out/soatnoma.html"
