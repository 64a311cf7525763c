#!/usr/bin/env bash
# The main job: installs what is needed, builds the plug-in and the simulated host, and
# runs the built-in effect through the simulated host.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ "$(id -u)" = 0 ]; then bash scripts/install-deps.sh; fi
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Loads the plug-in the way the host does and prints what it registered and its About text.
build/simhost/fxhost/fxhost about --plugin build/host/Morvelline2Pro.so
