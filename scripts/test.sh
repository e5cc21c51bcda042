#!/bin/sh
# Installs what is missing, builds both targets (Linux and 32-bit Windows) and runs every test;
# the Windows tests run under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
export WINEDEBUG=-all
for preset in linux windows; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
for preset in linux windows; do
  ctest --preset "$preset"
done
