#!/usr/bin/env bash
# Installs what is missing, builds the programs and the browser edition, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
scripts/web.sh >/dev/null
# The tree's style: C++, the page's code and the other files (its tools came with the page).
scripts/check_format.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
# The browser edition: its module under node and its page in Chromium, then the page's main
# flows in every engine (Chromium, Firefox ESR, WebKitGTK).
node --test --test-concurrency=1 web/tests/*.test.mjs web/tests/with_every_engine/*.test.mjs
