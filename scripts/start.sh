#!/usr/bin/env bash
# Starts the program built in BUILD_DIR (default: the tree's build/). With a display it opens the
# teacher's form. Without one (a server, a fresh machine reached over ssh) there is no window
# to show, so the program's main job is done another way: a sample teacher's report is
# written as a workbook and as a PDF into BUILD_DIR/namuna, one line says so, and the two
# paths follow. The exit status is 0 only when both files were written.
set -euo pipefail
build=${1:-"$(dirname "$0")/../build"}
if [ $# -gt 0 ]; then shift; fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/desktop/soatnoma" "$@"
fi

out="$build/namuna"
not_written() {
  echo "Ekran yo'q, namuna hisobot ham yozilmadi ($out): sababi yuqorida." >&2
  exit 1
}
mkdir -p "$out" || not_written
paths=()
for kind in xlsx pdf; do
  file="$out/namuna.$kind"
  rm -f "$file" || not_written
  QT_QPA_PLATFORM=offscreen "$build/cli/soatnoma-cli" report --category upper --weekly 20 --rate 20 --leader \
    --name "Namuna O'qituvchi" --school 1 --subject Matematika -o "$file" || not_written
  [ -s "$file" ] || not_written
  paths+=("$(realpath "$file")")
done
echo "Ekran yo'q, oyna o'rniga namuna o'qituvchining hisoboti Excel kitobi va PDF bo'lib yozildi" \
  "(yuqori sinflar, 20 soat, stavka 20, sinf rahbari):"
printf '%s\n' "${paths[@]}"
