#!/usr/bin/env bash
# The first command on a machine without a display, run on the programs of BUILD_DIR: not
# Qt's "could not connect to display", but the sample report written as a workbook and a PDF,
# said in one line with the two paths after it, status 0; and when the sample cannot be
# written, a failure (no path named, status not 0).
set -euo pipefail
build=$(realpath "$1")
start="$(dirname "$0")/../../scripts/start.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "start.sh without a display: $1" >&2; exit 1; }
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$start" "$@"; }

# A built tree: one line, then the workbook and the PDF, both in BUILD_DIR/namuna.
rm -rf "$build/namuna"
output=$(headless "$build") || fail "status $? with the programs built"
mapfile -t lines <<<"$output"
[ "${#lines[@]}" -eq 3 ] || fail "three lines expected: $output"
[[ "${lines[0]}" == "Ekran yo'q, "* ]] || fail "the first line does not say there is no display: ${lines[0]}"
[ "${lines[1]}" = "$build/namuna/namuna.xlsx" ] || fail "no workbook named: $output"
[ "${lines[2]}" = "$build/namuna/namuna.pdf" ] || fail "no PDF named: $output"
python3 -c 'import sys, zipfile; sys.exit("xl/workbook.xml" not in zipfile.ZipFile(sys.argv[1]).namelist())' \
  "${lines[1]}" || fail "${lines[1]} is not a workbook"
[ "$(head -c 5 "${lines[2]}")" = "%PDF-" ] || fail "${lines[2]} is not a PDF"
pdfinfo "${lines[2]}" | grep -q '^Pages: *1$' || fail "${lines[2]} is not one page"

# No programs built, or a folder for the sample that cannot be made: said, and not 0.
for broken in empty unwritable; do
  mkdir -p "$scratch/$broken"
  if [ "$broken" = unwritable ]; then
    ln -s "$build/cli" "$scratch/$broken/cli"
    touch "$scratch/$broken/namuna"
  fi
  if output=$(headless "$scratch/$broken" 2>"$scratch/said"); then fail "status 0 with a build that is $broken"; fi
  [ -z "$output" ] || fail "paths named with a build that is $broken: $output"
  grep -q "^Ekran yo'q, namuna hisobot ham yozilmadi" "$scratch/said" ||
    fail "the failure is not said: $(cat "$scratch/said")"
done
