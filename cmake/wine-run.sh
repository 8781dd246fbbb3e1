#!/usr/bin/env bash
# Runs a Windows program under Wine in a private, throw-away WINEPREFIX: the
# CMAKE_CROSSCOMPILING_EMULATOR of the win64 build (cmake/mingw-w64-x86_64.cmake).
#
#   wine-run.sh PROGRAM [ARGS...]   run PROGRAM, exit with its exit code; the
#                                   prefix is booted first when it is missing
#   wine-run.sh --boot              delete the prefix and boot a fresh one
#   wine-run.sh --stop              stop the prefix's wineserver, delete the prefix
#   wine-run.sh --prefix            print the prefix folder
#
# The prefix is $OSTREL_WINEPREFIX when set, otherwise "wineprefix" in the build
# tree that holds PROGRAM (or, for the options, the current folder): the nearest
# folder upwards with a CMakeCache.txt. With OSTREL_WINE_DPI=N (other than 96)
# the prefix is a separate one, "<prefix>-dpiN", booted with
# HKCU\Control Panel\Desktop\LogPixels = N, so the screen reports N dpi.
#
# Wine runs with LC_ALL=ru_RU.UTF-8 (Russian user and system locale; Wine
# takes both from the environment, not from the registry), and the prefix
# carries a device's regional long date, "d MMMM yyyy 'г.'", as the user
# locale's override in HKCU\Control Panel\International (sLongDate), which
# the date calls honour for the user and the system default locale alike
# since both are the same locale. Wine rewrites that key whenever it runs the
# prefix under another locale, hence the fixed LC_ALL;
# WINEDEBUG=-all, HOME inside the prefix (nothing is written to the real home),
# and inside `xvfb-run -a` when DISPLAY is not set.
#
# No persistent wineserver is ever started: after PROGRAM ends the script waits
# for the prefix's wineserver to finish (it exits as soon as its last client is
# gone), so that no Wine process outlives the run, keeps the caller's output
# pipe open (which hangs ctest) or loses its X display.
set -u

WINE=${OSTREL_WINE:-/usr/lib/wine/wine64}
WINESERVER=${OSTREL_WINESERVER:-/usr/lib/wine/wineserver}

die() {
  echo "wine-run.sh: $*" >&2
  exit 125
}

# The nearest folder at or above $1 that holds a CMakeCache.txt.
find_build_tree() {
  local dir
  dir=$(cd "$1" 2>/dev/null && pwd -P) || return 1
  while [ -n "$dir" ]; do
    if [ -f "$dir/CMakeCache.txt" ]; then
      echo "$dir"
      return 0
    fi
    [ "$dir" = / ] && break
    dir=$(dirname "$dir")
  done
  return 1
}

resolve_prefix() {
  local start=$1 tree
  if [ -n "${OSTREL_WINE_RUN_PREFIX:-}" ]; then
    # Inside a run of this script: the prefix it resolved, as it is.
    PREFIX=$OSTREL_WINE_RUN_PREFIX
    LOCK=$PREFIX.lock
    return 0
  fi
  if [ -n "${OSTREL_WINEPREFIX:-}" ]; then
    case $OSTREL_WINEPREFIX in
      /*) PREFIX=$OSTREL_WINEPREFIX ;;
      *) PREFIX=$PWD/$OSTREL_WINEPREFIX ;;
    esac
  elif tree=$(find_build_tree "$start") || tree=$(find_build_tree "$PWD"); then
    PREFIX=$tree/wineprefix
  else
    PREFIX=${TMPDIR:-/tmp}/ostrel-wineprefix-$(id -u)
  fi
  case ${OSTREL_WINE_DPI:-96} in
    96) ;;
    *[!0-9]*) die "OSTREL_WINE_DPI must be a number, not '$OSTREL_WINE_DPI'" ;;
    *) PREFIX=$PREFIX-dpi$OSTREL_WINE_DPI ;;
  esac
  LOCK=$PREFIX.lock
}

# Environment of every Wine process of the prefix.
wine_env() {
  local overrides="winemenubuilder.exe=d;mscoree=;mshtml="
  [ -n "${WINEDLLOVERRIDES:-}" ] && overrides="$overrides;$WINEDLLOVERRIDES"
  env WINEPREFIX="$PREFIX" WINEDEBUG=-all LC_ALL=ru_RU.UTF-8 HOME="$PREFIX/home" \
    WINEDLLOVERRIDES="$overrides" "$@"
}

# Runs a command on a display: the caller's, or a private Xvfb for its duration.
on_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    # -a takes the first free display from a random start, so that runs
    # started at the same moment rarely race for one number.
    xvfb-run -a -n $((100 + RANDOM % 4000)) -s "-screen 0 1024x768x24 -nolisten tcp" "$@"
  fi
}

# Waits until the prefix's wineserver has exited (it ends when its last client
# does); a no-op when no server runs.
wait_server() {
  wine_env "$WINESERVER" -w
}

stop_server() {
  wine_env "$WINESERVER" -k 2>/dev/null
  wait_server 2>/dev/null
}

# Stops the prefix's Wine processes and deletes it; the lock file stays, as
# another run may be waiting on it.
delete_prefix() {
  stop_server
  rm -rf "$PREFIX"
}

# Writes the device's regional settings into the booted prefix's user locale.
# The file is UTF-16 with a byte order mark, so that regedit reads the
# Cyrillic text without a code page.
set_regional_settings() {
  local file=$PREFIX/regional.reg
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Control Panel\International]' \
    "\"sLongDate\"=\"d MMMM yyyy 'г.'\"" '' | iconv -f UTF-8 -t UTF-16 >"$file" || return 1
  wine_env "$WINE" regedit /S "Z:${file//\//\\}" >/dev/null 2>&1
}

# Boots a fresh prefix; the caller holds the lock (fd 9), which no Wine process
# may inherit, or the wineserver would keep holding it.
boot_prefix() {
  delete_prefix 9>&-
  mkdir -p "$PREFIX/home" || die "cannot create $PREFIX"
  OSTREL_WINE_RUN_PREFIX=$PREFIX on_display "$SELF" --inner-boot 9>&-
  local rc=$?
  if [ $rc -ne 0 ] || [ ! -f "$PREFIX/system.reg" ]; then
    die "wineboot failed ($rc) for $PREFIX"
  fi
  echo "$PREFIX_VERSION" >"$PREFIX/.ostrel-booted"
}

with_lock() {
  mkdir -p "$(dirname "$PREFIX")" || die "cannot create the folder of $PREFIX"
  exec 9>"$LOCK" || die "cannot open $LOCK"
  flock 9 || die "cannot lock $LOCK"
  "$@"
  local rc=$?
  flock -u 9
  exec 9>&-
  return $rc
}

# What a booted prefix holds; a prefix booted by an earlier version of this
# script (without the regional settings) is booted afresh.
PREFIX_VERSION="fonts, regional long date"
is_booted() { [ "$(cat "$PREFIX/.ostrel-booted" 2>/dev/null)" = "$PREFIX_VERSION" ]; }

# Checked again under the lock: another run may have booted it meanwhile.
boot_if_missing() { is_booted || boot_prefix; }

ensure_prefix() {
  is_booted || with_lock boot_if_missing
}

SELF=$(readlink -f "$0")
[ $# -ge 1 ] || die "usage: wine-run.sh PROGRAM [ARGS...] | --boot | --stop | --prefix"
[ -x "$WINE" ] || die "Wine not found at $WINE (scripts/install-deps.sh installs it)"

case $1 in
  --prefix)
    resolve_prefix "$PWD"
    echo "$PREFIX"
    exit 0
    ;;
  --boot)
    resolve_prefix "$PWD"
    start=$(date +%s)
    with_lock boot_prefix
    echo "wine-run.sh: booted $PREFIX in $(($(date +%s) - start)) s"
    exit 0
    ;;
  --stop)
    resolve_prefix "$PWD"
    with_lock delete_prefix
    echo "wine-run.sh: stopped and deleted $PREFIX"
    exit 0
    ;;
  --inner-boot)
    # On the display of boot_prefix: wineboot writes the prefix; waiting for
    # the server makes sure the registry files are complete.
    resolve_prefix "$PWD"
    wine_env "$WINE" wineboot --init >/dev/null 2>&1
    rc=$?
    if [ $rc -eq 0 ]; then
      # Wine does not pick up the fonts of the fonts-wine package by itself
      # here (it falls back to DejaVu Sans for "Tahoma"): the prefix gets its
      # own copies, so that a face name means the same font as on the host.
      cp -f /usr/share/wine/fonts/*.ttf "$PREFIX/drive_c/windows/Fonts/" 2>/dev/null
      set_regional_settings
      rc=$?
    fi
    if [ $rc -eq 0 ] && [ "${OSTREL_WINE_DPI:-96}" != 96 ]; then
      wine_env "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "$OSTREL_WINE_DPI" /f >/dev/null 2>&1
      rc=$?
    fi
    wait_server
    exit $rc
    ;;
  --inner-run)
    # On the display of the run: the program, then the wait for its server,
    # so that the display outlives every Wine process of the run.
    shift
    resolve_prefix "$PWD"
    wine_env "$WINE" "$@"
    rc=$?
    wait_server
    exit $rc
    ;;
esac

program=$1
shift
resolve_prefix "$(dirname "$program")"
ensure_prefix
OSTREL_WINE_RUN_PREFIX=$PREFIX on_display "$SELF" --inner-run "$program" "$@"
