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
# OSTREL_FONTS=DIR installs DIR's .ttf files into the prefix first (below).
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

# OSTREL_FONTS=DIR: the .ttf files of DIR (the fonts of a device's \Windows
# folder, say) go into the prefix's font folder, where they take the place of
# the fonts of the same family. The fonts a run installed are taken out again
# (Wine's own put back) by the next run, so without OSTREL_FONTS nothing changes.
fonts=$("$here/cmake/wine-run.sh" --prefix)/drive_c/windows/Fonts
installed=$fonts/.ostrel-user-fonts
if [ -f "$installed" ]; then
  while IFS= read -r name; do
    rm -f "$fonts/$name"
    [ -f "/usr/share/wine/fonts/$name" ] && cp -f "/usr/share/wine/fonts/$name" "$fonts/"
  done <"$installed"
  rm -f "$installed"
fi
if [ -n "${OSTREL_FONTS:-}" ]; then
  [ -d "$OSTREL_FONTS" ] || { echo "install-wine.sh: OSTREL_FONTS=$OSTREL_FONTS is not a folder" >&2; exit 2; }
  for file in "$OSTREL_FONTS"/*.[tT][tT][fF]; do
    [ -f "$file" ] || continue
    cp -f "$file" "$fonts/" && basename "$file" >>"$installed"
  done
  [ -f "$installed" ] || { echo "install-wine.sh: OSTREL_FONTS=$OSTREL_FONTS holds no .ttf file" >&2; exit 2; }
fi
exec "$here/cmake/wine-run.sh" "$install_dir/todayhost.exe" "$@"
