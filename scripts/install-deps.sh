#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Soatnoma need.
# Idempotent: when everything is present it only checks and returns quietly.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev qt6-qpa-plugins
  libxlsxwriter-dev libzip-dev zlib1g-dev libpugixml-dev libcsv-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth xdotool openbox
  libreoffice-calc-nogui poppler-utils python3-openpyxl
  desktop-file-utils appstream
  clang-format
)

# The fuzzing script also needs clang and its libFuzzer runtime.
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

# The browser edition: the WebAssembly compiler, the packer of its code (zopfli), the font
# cutter with its WOFF2 packer, and the browsers its tests run in: Chromium, Firefox ESR,
# and WebKitGTK through its WebDriver (which draws on the virtual display above). Node.js
# and npm come with the machine.
if [ "${1:-}" = "--web" ]; then
  packages+=(emscripten zopfli python3-fonttools python3-brotli chromium firefox-esr webkit2gtk-driver)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
