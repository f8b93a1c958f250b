#!/usr/bin/env bash
# The README's first command on a machine without a display: it must not stop at Qt's
# "could not connect to display", but write the sample report as a workbook and a PDF, name
# them, and exit 0.
set -euo pipefail
cd "$(dirname "$0")/../.."
rm -rf build/namuna
output=$(env -u DISPLAY -u WAYLAND_DISPLAY scripts/run.sh)
fail() { echo "run.sh without a display: $1" >&2; echo "$output" >&2; exit 1; }
workbook=$(grep -x '.*/namuna\.xlsx' <<<"$output") || fail "no workbook named"
pdf=$(grep -x '.*/namuna\.pdf' <<<"$output") || fail "no PDF named"
[ "$(head -c 2 "$workbook")" = "PK" ] || fail "$workbook is not a workbook"
[ "$(head -c 5 "$pdf")" = "%PDF-" ] || fail "$pdf is not a PDF"
pdfinfo "$pdf" | grep -q '^Pages: *1$' || fail "$pdf is not one page"
echo "run.sh without a display: $workbook, $pdf"
