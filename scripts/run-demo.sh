#!/usr/bin/env bash
# The main job: installs what is needed, builds the plug-in and the simulated host, and
# runs the built-in effect through the simulated host: its About text, then one frame of
# the transition rendered to a PNG.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ "$(id -u)" = 0 ]; then bash scripts/install-deps.sh; fi
# Only the plug-in and fxhost: the tests are scripts/test.sh's business.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target fx_plugin fxhost
# Loads the plug-in the way the host does and prints what it registered and its About text.
build/simhost/fxhost/fxhost about --plugin build/host/Morvelline2Pro.so
# Renders the built-in transition half way over the two built-in pictures.
mkdir -p build/demo
build/simhost/fxhost/fxhost render --plugin build/host/Morvelline2Pro.so --output build/demo/transition.png
echo "The transition at mid-progress: $root/build/demo/transition.png"
