#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KORVANEL_BUILD_DIR:-$root/build}
export KORVANEL_BUILD_DIR=$build
bash "$root/scripts/build.sh" -DKORVANEL_WERROR=ON "$@"
cd "$build"
ctest --output-on-failure -j "${KORVANEL_JOBS:-$(nproc)}"
