#!/usr/bin/env bash
# Builds the fuzz target with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it for SECONDS (default 60) on inputs made from the examples. The corpus it grows
# is kept in build/fuzz/corpus for the next run; a failing input is saved in build/fuzz/ as
# crash-*, timeout-* or leak-* and the script ends with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
seconds=${1:-60}
dir=$PWD/build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVA_FUZZ=ON \
  -DTORVA_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" --target torva_fuzz
mkdir -p "$dir/corpus"
# A run that takes more than 30 s is a hang: the largest input (500 increments, 100 load
# cases) takes well under a second.
"$dir/tests/fuzz/torva_fuzz" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
  -max_len=16384 -dict="$PWD/tests/fuzz/torva.dict" -artifact_prefix="$dir/" \
  -print_final_stats=1 "$dir/corpus" "$PWD/examples"
