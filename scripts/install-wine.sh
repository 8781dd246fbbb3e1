#!/usr/bin/env bash
# Registers an installed item folder in a Wine prefix and starts the Today host from it.
#
#   scripts/install-wine.sh [--prefix WINEPREFIX] INSTALL_DIR [todayhost arguments...]
#
# INSTALL_DIR is what `cmake --install` of the win64 build laid out (ostrel.dll,
# todayhost.exe, the state images, the shortcuts, ostrel.reg). Its ostrel.reg
# is imported with regedit, then todayhost.exe runs with the arguments given
# (for example --size 480x640, --screenshot Z:\tmp\today.png --after 3000
# --exit-after 4000); it shows the Today screen in a window when DISPLAY is
# set, otherwise it runs inside Xvfb. The prefix (booted when missing) is
# WINEPREFIX, else $OSTREL_WINEPREFIX, else "today-wineprefix" beside
# INSTALL_DIR. OSTREL_WINE_DPI=192 gives a 192-dpi prefix (cmake/wine-run.sh).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
prefix=${OSTREL_WINEPREFIX:-}
if [ "${1:-}" = --prefix ]; then
  [ $# -ge 2 ] || { echo "install-wine.sh: --prefix needs a folder" >&2; exit 2; }
  prefix=$2
  shift 2
fi
[ $# -ge 1 ] || { echo "usage: install-wine.sh [--prefix WINEPREFIX] INSTALL_DIR [todayhost arguments...]" >&2; exit 2; }
install_dir=$(cd "$1" && pwd -P) || { echo "install-wine.sh: no folder $1" >&2; exit 2; }
shift
for file in ostrel.dll todayhost.exe ostrel.reg; do
  [ -f "$install_dir/$file" ] || { echo "install-wine.sh: $install_dir has no $file (run cmake --install first)" >&2; exit 2; }
done
[ -n "$prefix" ] || prefix=$(dirname "$install_dir")/today-wineprefix
mkdir -p "$(dirname "$prefix")"
export OSTREL_WINEPREFIX=$(cd "$(dirname "$prefix")" && pwd -P)/$(basename "$prefix")

# Wine's drive Z: is the Unix root.
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

"$here/cmake/wine-run.sh" regedit /S "$(windows_path "$install_dir/ostrel.reg")"
exec "$here/cmake/wine-run.sh" "$install_dir/todayhost.exe" "$@"
