#!/usr/bin/env bash
# Builds the torva program and runs one example input file (default: the soft clay pile).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTORVA_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target torva
example=${1:-examples/soft_clay_pile.tp7}
build/release/torva run "$example" --out out
