#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: its window, or without a display
# a sample teacher's report as a workbook and a PDF (scripts/start.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec scripts/start.sh build "$@"
