#!/usr/bin/env bash
# Builds and runs every test twice: a normal build, then one with AddressSanitizer and
# UndefinedBehaviorSanitizer (fixed-size tables make out-of-bounds writes the main risk);
# then the Python package's tests.
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
# The Python package, against the engine library of the normal build (Debian's interpreter,
# which sees the distribution's numpy, pandas, matplotlib and dask).
(cd python && TORVA_LIB="$PWD/../build/test-normal/libtorva.so" /usr/bin/python3 -m pytest -q -p no:cacheprovider)
