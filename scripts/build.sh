#!/usr/bin/env bash
# Configures and builds the project into build/ (or $KORVANEL_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
build=${KORVANEL_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${KORVANEL_BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
jobs=${KORVANEL_JOBS:-$(nproc)}
cmake --build "$build" -j "$jobs"
