#!/usr/bin/env bash
# Installs every Debian package the build, the game and the tests need.
# Does nothing when they are all present, so both README commands can call it.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  libsdl2-dev libcairo2-dev libpango1.0-dev
  libpng-dev libjpeg-dev libgif-dev zlib1g-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Instalando pacotes: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
