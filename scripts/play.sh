#!/usr/bin/env bash
# Builds the game and starts it on the bundled sample teams database.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KORVANEL_BUILD_DIR:-$root/build}
export KORVANEL_BUILD_DIR=$build
bash "$root/scripts/build.sh"
exec "$build/app/korvanel" "$@"
