#!/bin/sh
# The main job: installs what is missing, builds the Linux library and torv-host, and runs
# torv-host with the plug-in on a generated model, showing the plug-in's ribbon.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux
build/linux/bin/torv-host --generate default --script examples/ribbon.session
