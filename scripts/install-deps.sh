#!/usr/bin/env bash
# Installs what building Torva needs on a fresh Debian machine (as root); does nothing when
# everything is already there.
set -euo pipefail
packages=(g++ cmake make googletest libgtest-dev libbenchmark-dev libcli11-dev
          python3-numpy python3-pandas python3-matplotlib python3-distributed python3-dask
          python3-pytest
          clang libclang-rt-14-dev libfuzzer-14-dev)  # the last three: scripts/fuzz.sh
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
