#!/usr/bin/env bash
# Cuts DejaVu Sans and DejaVu Sans Bold down to the letters the form needs, as WOFF2:
# Latin with the Uzbek ʻ and ʼ, Cyrillic, punctuation and №. No hinting and no layout
# features: the report is laid out without kerning or ligatures, as on the desktop.
#   web/subset_fonts.sh OUTPUT_DIR
set -euo pipefail
out=$1
mkdir -p "$out"
fonts=/usr/share/fonts/truetype/dejavu
unicodes="U+0020-007E,U+00A0-017F,U+0218-021B,U+02BB-02BC,U+0400-04FF,U+2010-2026,U+2030,U+20AC,U+2116"
for font in DejaVuSans DejaVuSans-Bold; do
  /usr/bin/python3 -m fontTools.subset "$fonts/$font.ttf" --unicodes="$unicodes" --layout-features='' \
    --no-hinting --flavor=woff2 --output-file="$out/$font.woff2"
done
