#!/usr/bin/env bash
# Rewrites the reference outputs of the examples under tests/e2e/golden from the code as it
# stands. For deliberate output changes only (a changed report text or layout that is meant):
# review the diff of tests/e2e/golden before committing it. Never run it to make a failing
# golden test pass when the output was not meant to change.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build/dev}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTORVA_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target torva_tests
TORVA_UPDATE_GOLDEN=1 "$build/tests/torva_tests" --gtest_filter='Examples/GoldenOutputs.*'
git status --short tests/e2e/golden
