#!/usr/bin/env bash
# Runs ostrel-preview and ostrelcfg-sim over the settings files in inputs/ and a
# set of scripts, and writes every output (stdout, stderr, exit code, PNG,
# JSON, exported .reg) into one folder, so that two builds can be compared
# byte for byte with `diff -r`.
#
# usage: tests/golden/run-golden.sh BUILD_DIR OUT_DIR
#   BUILD_DIR is a host build (for example build/host); OUT_DIR is emptied first.
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=$2
preview=$build/tools/preview/ostrel-preview
sim=$build/tools/ostrelcfg-sim/ostrelcfg-sim
inputs=$here/inputs
[ -x "$preview" ] && [ -x "$sim" ] || { echo "run-golden.sh: no tools in $build" >&2; exit 2; }
rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
now="2026-12-06 07:05:00"

# run NAME PROGRAM ARGS...: stdout, stderr and the exit code under NAME.
run() {
  local name=$1
  shift
  "$@" >"$out/$name.out" 2>"$out/$name.err"
  echo $? >"$out/$name.rc"
}

settings_files=(none custom odd odd-strings many-launchers all-auto-fixed all-hidden)
reg_args() { [ "$1" = none ] || echo "--reg $inputs/$1.reg"; }

# The settings record as each deliverable loads it, and what the settings
# program's save leaves in the registry.
for s in "${settings_files[@]}"; do
  for dpi in 96 131 192; do
    run "settings-$s-$dpi" "$preview" $(reg_args "$s") --dpi "$dpi" --dump-settings
    run "program-$s-$dpi" "$preview" $(reg_args "$s") --dpi "$dpi" --settings-program --dump-settings \
      --save "$out/program-$s-$dpi.saved.reg"
  done
  run "status-$s" "$preview" $(reg_args "$s") --dump-status --now "$now" --ticks 3 \
    --battery 57 --memory 40,1000000,600000 --store 2000000,500000
done
run "program-module-path" "$preview" --module-path "ostrel.dll" --settings-program --dump-settings

# The item: drawing calls, layout and status as JSON, and the picture.
item_scripts=(
  "query"
  "key right; key right; tick 2; query"
  "key left; tap 30 20; tap 120 100; dtap 200 100; query"
  "down 200 100; move 120 100; move 60 100; up 40 100; query"
  "down 40 100; move 150 100; query"
  "hold 50 30; menu 1006; select; key down; deselect; advance 3600; tick; query"
)
for s in "${settings_files[@]}"; do
  for dpi in 96 192; do
    width=$((240 * dpi / 96))
    i=0
    for script in "${item_scripts[@]}"; do
      name="item-$s-$dpi-$i"
      run "$name" "$preview" $(reg_args "$s") --dpi "$dpi" --width "$width" --now "$now" \
        --battery 57 --memory 40,1000000,600000 --store 2000000,500000 \
        --events "$script" --png "$out/$name.png" --json "$out/$name.json"
      i=$((i + 1))
    done
  done
done
run "item-131-wide" "$preview" --reg "$inputs/custom.reg" --dpi 131 --width 480 --now "2026-12-31 23:59:58" \
  --events "tick 3; key right; query" --png "$out/item-131-wide.png" --json "$out/item-131-wide.json"
run "item-en" "$preview" --locale en --now "2026-02-28 13:45:10" --events "query" --json "$out/item-en.json"

# The settings program: every tab, every row's editor, the launcher lists and
# the file browser, with the view and the registry it leaves.
page_rows=(8 8 6 8 3 7)   # rows of the block pages in the Pages list's default order
page_lists=(WirelessList TimeList DateList CalendarList LauncherPropsList SysInfoList)
sim_scripts=(
  "tab 0"
  "tab 1"
  "tab 2"
  "tab 0; select GeneralList 0; press EditButton"
  "tab 0; select GeneralList 1; press EditButton"
  "tab 0; select GeneralList 1; press EditButton; type LeftEdit 9; ok"
  "tab 0; select GeneralList 2; press EditButton"
  "tab 0; select GeneralList 2; press EditButton; type LeftEdit 1; type TopEdit 2; type RightEdit 3; type BottomEdit 4; ok; ok"
  "tab 0; select GeneralList 3; press EditButton; choose ChoiceCombo 2; ok; ok"
  "tab 1; check PagesList 3 0; select PagesList 2; press DownButton; ok"
  "tab 1; select PagesList 5; press UpButton; press UpButton; check PagesList 0 0; ok"
  "tab 1; select PagesList 4; press EditButton; press AddButton"
  "tab 1; select PagesList 4; press EditButton; press AddButton; type PathEdit Windows\\clock.exe; ok; ok; ok"
  "tab 1; select PagesList 4; press EditButton; press AddButton; ok; press AddButton; type PathEdit x.exe; ok; select LauncherList 0; press DownButton; ok; ok"
  "tab 1; select PagesList 0; press EditButton; select WirelessList 7; press EditButton; dbltap FileList 0"
  "tab 1; select PagesList 1; press EditButton; select TimeList 1; press EditButton; type SizeEdit 44; tick BoldCheck 0; type RedEdit 255; ok; ok; ok"
  "tab 1; select PagesList 1; press EditButton; select TimeList 2; press EditButton; choose ChoiceCombo 3; ok; select TimeList 3; press EditButton; cancel; ok; ok"
  "tab 1; select PagesList 2; press EditButton; select DateList 3; press EditButton; type FormatEdit dd.MM.yyyy; ok; ok; ok"
  "tab 1; select PagesList 3; press EditButton; select CalendarList 2; press EditButton; type SizeEdit 0; ok; select CalendarList 4; press EditButton; type GreenEdit 300; ok; ok; ok"
  "tab 1; select PagesList 5; press EditButton; select SysInfoList 3; press EditButton; choose ChoiceCombo 2; ok; select SysInfoList 5; press EditButton; type PathEdit \\Windows\\memory.lnk; ok; ok; ok"
  "tab 1; select PagesList 1; press EditButton; select TimeList 0; press EditButton; type LeftEdit -1; ok; cancel; ok"
  "resize 320 240; tab 1; select PagesList 3; press EditButton"
  "cancel"
)
for p in 0 1 2 3 4 5; do
  list=${page_lists[$p]}
  edit=EditButton
  [ "$list" = LauncherPropsList ] && edit=PropsEditButton
  open="tab 1; select PagesList $p; press EditButton"
  sim_scripts+=("$open")
  all="$open"
  for ((r = 0; r < ${page_rows[$p]}; r++)); do
    sim_scripts+=("$open; select $list $r; press $edit")
    all="$all; select $list $r; press $edit; ok"
  done
  sim_scripts+=("$all; ok; ok")
done
for s in none custom odd odd-strings many-launchers; do
  for dpi in 96 192; do
    i=0
    for script in "${sim_scripts[@]}"; do
      name="sim-$s-$dpi-$i"
      run "$name" "$sim" $(reg_args "$s") --dpi "$dpi" --ui "$script" --dump-view \
        --export-reg "$out/$name.reg"
      i=$((i + 1))
    done
  done
done
# Texts typed into the settings program's edits: quotes, backslashes, control
# characters, a lone surrogate (as UTF-8 would carry one) and bytes that are no UTF-8.
odd_texts=($'a"b\\c' $'\x01\x08\x0c\x1f\x7f' $'\xed\xa0\x80z\xed\xb0\x81' $'\xff\xfe\xc0\xaf' $'\xe2\x80\xa8\xf0\x9f\x98\x80')
i=0
for text in "${odd_texts[@]}"; do
  run "sim-typed-$i" "$sim" --ui "tab 1; select PagesList 2; press EditButton; select DateList 3; press EditButton; type FormatEdit $text; ok; select DateList 5; press EditButton; type PathEdit $text; ok" \
    --dump-view
  i=$((i + 1))
done

# Each tool's help, and bad command lines: one line on stderr naming the
# problem, exit code 2. A value is whatever follows its option, even "-".
run "preview-help" "$preview" --help
run "preview-help-short" "$preview" -h
run "sim-help" "$sim" --help
run "sim-help-short" "$sim" -h
preview_errors=(
  ""
  "--bogus"
  "stray"
  "--dump-settings --dpi"
  "--dump-settings --dpi abc"
  "--dump-settings --dpi 0"
  "--dump-settings --dpi 99999999999999999999"
  "--dump-settings --codepage 1200"
  "--dump-settings --reg"
  "--dump-settings --reg /nonexistent/settings.reg"
  "--png out.png --width 5"
  "--dump-status --now 2026-12-06"
  "--dump-status --ticks -1"
  "--dump-status --advance 99999999"
  "--dump-status --locale fr"
  "--dump-status --battery 300"
  "--dump-status --battery x"
  "--dump-status --memory 1,2"
  "--dump-status --memory 101,5,4"
  "--dump-status --memory 5,4,6"
  "--dump-status --memory 5,,6"
  "--dump-status --store 1,2"
  "--dump-status --store a,b"
  "--dump-status --card 5,1"
  "--sheet s.png --dpi 96"
  "--sheet s.png --events query"
  "--png p.png --dump-settings"
  "--png p.png --ticks 1"
  "--dump-settings --save s.reg"
  "--json - --events jump"
  "--json"
)
i=0
for args in "${preview_errors[@]}"; do
  # shellcheck disable=SC2086  # the words are the arguments
  (cd "$out" && run "preview-error-$i" "$preview" $args)
  i=$((i + 1))
done
run "preview-error-now" "$preview" --dump-status --now "2026-02-30 00:00:00"
run "preview-repeated" "$preview" --dpi 96 --dpi 192 --locale en --locale ru --dump-status --now "$now" \
  --advance -5 --ticks 2 --dump-settings
run "preview-dash-values" "$preview" --dump-status --now "$now" --advance -60 --ticks 2
run "preview-dash-json" "$preview" --now "$now" --events "query" --json -
sim_errors=(
  "--bogus"
  "stray"
  "--dpi"
  "--dpi 10"
  "--dpi x"
  "--codepage abc"
  "--size 0x5"
  "--size 100"
  "--size 20000x100"
  "--size x"
  "--fail-save-op 0"
  "--device-root /nonexistent"
  "--ui"
  "--ui jump"
  "--reg /nonexistent/settings.reg"
  "--ui ok --export-reg /nonexistent/dir/out.reg"
)
i=0
for args in "${sim_errors[@]}"; do
  # shellcheck disable=SC2086
  run "sim-error-$i" "$sim" $args
  i=$((i + 1))
done
run "sim-repeated" "$sim" --dpi 96 --dpi 192 --size 300x400 --ui "tab 9" --ui "tab 1" --dump-view
echo "run-golden.sh: $(ls "$out" | wc -l) files in $out"
