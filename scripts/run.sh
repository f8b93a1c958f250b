#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/desktop/soatnoma ]; then
  exec build/desktop/soatnoma "$@"
fi
echo "Namuna: 20 soat, stavka 20, sinf rahbari (yuqori sinflar)"
exec build/cli/soatnoma-cli table --category upper --weekly 20 --rate 20 --leader
