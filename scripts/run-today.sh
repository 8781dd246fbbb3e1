#!/usr/bin/env bash
# The Today screen with the item: installs what is missing, builds the win64
# deliverables, installs them into a Wine prefix in the build folder and runs
# todayhost.exe with the plug-in on its default settings — in a window when
# DISPLAY is set, otherwise headless, writing a screenshot and saying where.
#
#   scripts/run-today.sh [todayhost arguments...]     (e.g. --size 480x640)
#
# OSTREL_WINE_DPI=192 runs it on a 192-dpi screen. OSTREL_FONTS=DIR draws with
# the .ttf files of DIR (a device's own fonts, say), installed into the prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
build=$root/build/win64

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
targets=(ostrel todayhost)
known=$(cmake --build --preset win64 --target help)
if grep -qw ostrelcfg <<<"$known"; then targets+=(ostrelcfg); fi
cmake --build --preset win64 --target "${targets[@]}"
rm -rf "$build/install"
cmake --install "$build" --prefix "$build/install" >/dev/null

prefix=$build/today-wineprefix
if [ -n "${DISPLAY:-}" ]; then
  echo "run-today: the Today screen opens in a window; close it to end"
  exec scripts/install-wine.sh --prefix "$prefix" "$build/install" "$@"
fi

shot=$build/today.png
rm -f "$shot"
scripts/install-wine.sh --prefix "$prefix" "$build/install" "$@" \
  --screenshot "Z:${shot//\//\\}" --after 3000 --exit-after 4000
if [ ! -s "$shot" ]; then
  echo "run-today: no screenshot was written" >&2
  exit 1
fi
echo "run-today: screenshot of the Today screen: $shot"
