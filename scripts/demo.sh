#!/bin/sh
# The main job: installs what is missing, builds the Linux library and torv-host, and plays
# samples/steel-hall.session with the plug-in on a copy of the bundled steel hall in build/demo/,
# where the side-car files, the report, its workbook and the pictures stay.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux
rm -rf build/demo
mkdir -p build/demo
cp samples/steel-hall.ifc build/demo/
cd build/demo
# Colours the plug-in remembers go to a folder of the demo's own, so every run starts afresh.
XDG_DATA_HOME="$PWD/user-data" ../linux/bin/torv-host steel-hall.ifc --script ../../samples/steel-hall.session
echo
echo "The demo's files are in $PWD:"
ls -1 *.csv *.xlsx *.png | sed 's/^/  /'
