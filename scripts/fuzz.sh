#!/usr/bin/env bash
# Builds the fuzz target with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it on inputs made from the examples:
#   scripts/fuzz.sh [SECONDS]   for SECONDS (default 60), seeded at random;
#   scripts/fuzz.sh --runs N    for N inputs from a fixed seed, the same inputs on every
#                               machine (what CI runs, so that its result is reproducible).
# The corpus it grows is kept in build/fuzz/corpus for the next run; a failing input is saved
# in build/fuzz/ as crash-*, timeout-* or leak-* and the script ends with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [[ ${1:-} == --runs ]]; then
  length=(-runs="${2:?--runs needs a count}" -seed=1)
else
  length=(-max_total_time="${1:-60}")
fi
dir=$PWD/build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVA_FUZZ=ON \
  -DTORVA_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" --target torva_fuzz
mkdir -p "$dir/corpus"
# A run that takes more than 30 s is a hang: the largest input (500 increments, 100 load
# cases) takes well under a second.
"$dir/tests/fuzz/torva_fuzz" "${length[@]}" -timeout=30 -rss_limit_mb=4096 \
  -max_len=16384 -dict="$PWD/tests/fuzz/torva.dict" -artifact_prefix="$dir/" \
  -print_final_stats=1 "$dir/corpus" "$PWD/examples"
