#!/usr/bin/env bash
# Installs every package the builds and tests use; does nothing when all are present.
set -euo pipefail

PACKAGES=(
  g++ clang libclang-rt-14-dev llvm cmake make pkg-config
  libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev libcli11-dev
  libfreetype-dev libfontconfig-dev libpng-dev fontconfig fonts-dejavu-core
  mingw-w64 gcc-mingw-w64-x86-64-win32 g++-mingw-w64-x86-64-win32 wine64 fonts-wine xvfb xauth
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
