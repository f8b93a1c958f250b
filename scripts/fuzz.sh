#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 600).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   targets: number_parse formula roster workbook
# New inputs that reach new code are written to build-fuzz/new-corpus/TARGET; merge the
# interesting ones into fuzz/corpus/TARGET by hand. Crashes land in build-fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --fuzz
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(number_parse formula roster workbook)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOATNOMA_FUZZ=ON \
  -DSOATNOMA_BUILD_TESTS=OFF -DSOATNOMA_BUILD_BENCH=OFF >/dev/null
for target in "${targets[@]}"; do
  cmake --build build-fuzz --target "fuzz_$target" --parallel "$(nproc)"
done
mkdir -p build-fuzz/crashes
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/new-corpus/$target"
  echo "== $target: ${seconds}s"
  build-fuzz/fuzz/"fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/crashes/"$target"- \
    "build-fuzz/new-corpus/$target" "fuzz/corpus/$target" 2>&1 |
    grep -E "^(stat::|==|Done|#[0-9]+ +DONE)|ERROR|SUMMARY" || true
done
