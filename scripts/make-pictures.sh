#!/usr/bin/env bash
# Renders the pictures of docs/pictures/: the Today screen under Wine at 96 and
# 192 dpi, the item's pages and a few variants from the host preview, a
# contact sheet, and the settings program's views from its Windows-side
# captures. Installs what is missing and builds what it needs first.
#
#   scripts/make-pictures.sh
#
# The variants are the .reg files of docs/pictures/settings/, one picture each
# (same name, .png). Everything the preview draws is at the time in NOW; the
# Today screen under Wine shows the machine's clock.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
out=$root/docs/pictures
variants=$out/settings
host=$root/build/host
win=$root/build/win64
NOW=${NOW:-2026-12-07 09:41:00}

say() { echo "make-pictures: $*"; }

build() {
  bash scripts/install-deps.sh
  cmake --preset host >/dev/null
  cmake --build --preset host --target ostrel-preview
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target ostrel todayhost ostrelcfg ostrelcfg_win_tests
  rm -rf "$win/install"
  cmake --install "$win" --prefix "$win/install" >/dev/null
}

# OSTREL_FONTS=DIR: the pictures drawn with the .ttf files of DIR (the
# preview's --fonts; installed into the Wine prefix by install-wine.sh).
fonts=()
[ -n "${OSTREL_FONTS:-}" ] && fonts=(--fonts "$OSTREL_FONTS")
preview() { "$host/tools/preview/ostrel-preview" --now "$NOW" "${fonts[@]}" "$@"; }

# The pages of the default settings, in the order the right key brings them.
item_pages() {
  local events="" page
  for page in calendar launcher sysinfo; do
    preview --events "$events" --png "$out/item-$page.png"
    events="$events key right;"
  done
  preview --dpi 192 --width 480 --png "$out/item-192dpi.png"
}

item_variants() {
  local reg
  for reg in "$variants"/*.reg; do
    preview --reg "$reg" --png "$out/$(basename "$reg" .reg).png"
  done
}

contact_sheets() {
  preview --sheet "$out/sheet-default.png"
  preview --reg "$variants/launcher-big.reg" --reg "$variants/time-date-left.reg" \
    --sheet "$out/sheet-launcher-date-left.png"
}

# A fresh Wine prefix for a density: one booted before a change to the
# project's prefix settings would keep the old ones.
fresh_prefix() {
  OSTREL_WINEPREFIX=$win/pictures-wineprefix OSTREL_WINE_DPI=$1 cmake/wine-run.sh --stop >/dev/null
}

# The Today screen with the item on its default settings, 240 x 320 design pixels.
today_screen() {
  local dpi=$1 size=$2 shot=$out/today-$1dpi.png
  fresh_prefix "$dpi"
  rm -f "$shot"
  OSTREL_WINE_DPI=$dpi scripts/install-wine.sh --prefix "$win/pictures-wineprefix" "$win/install" \
    --size "$size" --screenshot "Z:${shot//\//\\}" --after 3000 --exit-after 4000
  [ -s "$shot" ] || { echo "make-pictures: todayhost wrote no screenshot at $dpi dpi" >&2; exit 1; }
}

# The settings program's tour of its tabs and editors (its Windows-side
# screen test), which writes a capture of every view; the pictures taken here.
settings_program() {
  local captures=$win/pictures-settings name
  fresh_prefix 96
  rm -rf "$captures"
  OSTREL_WINEPREFIX=$win/pictures-wineprefix cmake/wine-run.sh \
    "$win/tests/win/config/ostrelcfg_win_tests.exe" --gtest_filter='Screens.*' \
    --program "$win/install/ostrelcfg.exe" --todayhost "$win/install/todayhost.exe" \
    --library "$win/install/ostrel.dll" --out "$captures"
  for name in tab-general tab-pages tab-about page-time page-launcher editor-font editor-format \
              editor-choice editor-colour; do
    cp "$captures/$name.png" "$out/settings-$name.png"
  done
}

build
mkdir -p "$out"
rm -f "$out"/*.png
say "the item from the host preview"
item_pages
item_variants
contact_sheets
say "the Today screen under Wine"
today_screen 96 240x320
today_screen 192 480x640
say "the settings program under Wine"
settings_program
fresh_prefix 96
fresh_prefix 192
say "pictures written to $out: $(ls "$out"/*.png | wc -l) files, $(du -sh "$out" | cut -f1)"
