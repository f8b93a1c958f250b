#!/usr/bin/env bash
# Builds the .deb from a finished build tree into a scratch folder and checks that it holds
# the programs (the command line's file writer too), the menu entry, the metainfo, the icon
# and the manuals, that it depends on Debian's Qt and libzip packages (and no longer on
# libxlsxwriter), and that it holds the browser edition's page when that was built.
set -euo pipefail
build=$1
app_id=$2
web_page=${3:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null)
deb=$(ls "$scratch"/*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/soatnoma ./usr/bin/soatnoma-cli ./usr/libexec/soatnoma/soatnoma-cli-files \
            "./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml" \
            "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
            ./usr/share/man/man1/soatnoma.1 ./usr/share/man/man1/soatnoma-cli.1; do
  grep -q " $path\$" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done
if [ -n "$web_page" ] && [ -f "$web_page" ]; then
  grep -q " ./usr/share/soatnoma/soatnoma.html\$" <<<"$contents" ||
    { echo "missing from the package: soatnoma.html"; exit 1; }
fi
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libzip4; do
  grep -q "$package" <<<"$depends" || { echo "no dependency on $package: $depends"; exit 1; }
done
if grep -q libxlsxwriter <<<"$depends"; then echo "a dependency the programs do not use: $depends"; exit 1; fi
echo "$(basename "$deb"): $(wc -l <<<"$contents") entries; Depends: $depends"
