#!/bin/sh
# Installs what is missing, builds both targets (Linux and 32-bit Windows) and runs every test;
# the Windows tests run under Wine. Then every Linux test again built with AddressSanitizer (with
# LeakSanitizer) and UndefinedBehaviorSanitizer, and each fuzzer for a minute on its seed corpus.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
export WINEDEBUG=-all
for preset in linux windows linux-sanitize linux-fuzz; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
for preset in linux windows linux-sanitize; do
  ctest --preset "$preset"
done
scripts/fuzz.sh 60
