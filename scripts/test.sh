#!/usr/bin/env bash
# Builds and runs every test twice: a normal build, then one with AddressSanitizer and
# UndefinedBehaviorSanitizer (fixed-size tables make out-of-bounds writes the main risk).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
for variant in normal sanitize; do
  dir=build/test-$variant
  flag=OFF
  [ "$variant" = sanitize ] && flag=ON
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTORVA_SANITIZE=$flag -DTORVA_BENCH=OFF >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs")
done
