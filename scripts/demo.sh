#!/bin/sh
# The main job: installs what is missing, builds the Linux library and torv-host, and runs
# torv-host with the plug-in on the car-wash model of ../shared/models: the batch panel filled
# from the model, batches coloured, an assembly moved to another batch. Pictures of the panel and
# the model go to build/demo/.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux
mkdir -p build/demo
build/linux/bin/torv-host ../shared/models/tekla-carwash-batched.ifc --script examples/batches.session
echo "pictures: build/demo/batch-panel.png build/demo/model.png"
