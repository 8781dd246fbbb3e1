#!/usr/bin/env bash
# Builds what the benchmarks need, runs them all, prints one table and writes
# build/bench/results.json:
#   - the host figures (`bench` preset, Release, Google Benchmark, CPU time);
#   - the Windows figures under Wine at 96 and 192 dpi (ostrel_win_bench.exe,
#     the least batch mean of wall time: other programs only ever add time);
#   - launcher lists of 10^3, 10^4 and 10^5 entries on both, per entry;
#   - the settings program's file browser on a folder of 10^3, 10^4 and 10^5
#     files (host; in the table, not the JSON);
#   - the drawing objects one item window gains over 10^5 paints and ticks;
#   - the CPU time todayhost.exe takes over 60 s with the item and without;
#   - the peak memory of ostrel-preview --dump-settings on a .reg file of
#     about 200 MB and of ostrelcfg-sim opening the Launcher page of 10^6
#     entries.
#   - the footprint: the installed ostrel.dll and ostrelcfg.exe, what their
#     bytes are made of (from the link maps), the address space the DLL
#     takes; the heap the item's own code asks for per idle tick and per
#     paint and the most it holds (host, ostrel_heap_bench), and the private
#     bytes its creation adds to the process on Win32.
#
#   scripts/bench.sh [--quick]
#
# --quick runs every benchmark with tiny counts (a smoke run of the whole
# script; its figures mean nothing). The launcher lists are of 10^3, 10^4
# and 10^5 entries on both; OSTREL_BENCH_WIN32_SIZES="1000 10000" (say)
# runs fewer under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
out=$root/build/bench
win=$root/build/win64

quick=0
[ "${1:-}" = --quick ] && quick=1
sizes="1000 10000 100000"
if [ $quick = 1 ]; then
  host_sizes="1000"
  win_sizes=${OSTREL_BENCH_WIN32_SIZES:-"1000"}
  paints=100
  idle_seconds=5
  win_args=(--quick)
else
  host_sizes="1000 10000 100000"
  win_sizes=${OSTREL_BENCH_WIN32_SIZES:-"1000 10000 100000"}
  paints=100000
  idle_seconds=60
  win_args=()
fi

bash scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target ostrel_win_bench ostrel todayhost ostrelcfg >/dev/null
rm -rf "$out/today"
cmake --install "$win" --prefix "$out/today" >/dev/null

declare -A fig
# "name value" lines into fig[].
collect() {
  local name value
  while read -r name value; do
    [ -n "$name" ] && fig[$name]=$value
  done
}

# ---- Host: Google Benchmark's CSV rows, CPU time in microseconds.
host_figures() {
  local items="BM_(IdleTick|PaintItem|BareFillBlit|LoadSettings)\$"
  local lists="BM_(LauncherRoute|SettingsLauncherPage|FileBrowser)/($(tr ' ' '|' <<<"$host_sizes"))\$"
  local args=(--benchmark_format=csv)
  [ $quick = 1 ] && args+=(--benchmark_min_time=0.001)
  # One run per set of counters: the CSV holds the first run's columns only.
  for filter in "$items|$lists" "BM_ObjectBalance"; do
    OSTREL_BENCH_PAINTS=$paints "$out/bench/ostrel_bench" "${args[@]}" "--benchmark_filter=$filter" 2>/dev/null
  done | awk -F, '
    $1 == "name" { delete col; for (i = 1; i <= NF; ++i) { gsub(/"/, "", $i); col[$i] = i }; next }
    {
      name = $1; gsub(/"/, "", name)
      unit = $col["time_unit"]
      us = $col["cpu_time"] * (unit == "ns" ? 0.001 : unit == "ms" ? 1000 : unit == "s" ? 1e6 : 1)
      split(name, part, "/")
      if (part[1] == "BM_IdleTick") print "host.idle_tick_us", us
      else if (part[1] == "BM_PaintItem") print "host.paint_us", us
      else if (part[1] == "BM_BareFillBlit") print "host.bare_fill_blit_us", us
      else if (part[1] == "BM_LoadSettings") print "host.load_settings_us", us
      else if (part[1] == "BM_ObjectBalance") print "host.objects_delta", $col["objects_delta"]
      else if (part[1] == "BM_LauncherRoute") print "launcher." part[2] ".host_us_per_entry", us / part[2]
      else if (part[1] == "BM_SettingsLauncherPage") print "launcher." part[2] ".config_host_us_per_entry", us / part[2]
      else if (part[1] == "BM_FileBrowser") print "browser." part[2] ".host_us_per_file", us / part[2]
    }'
}

# ---- Windows: ostrel_win_bench.exe in prefixes of the bench folder, on one
# core (the device has one). Every registry call and many drawing calls are
# a round trip to the wineserver; with the program and the wineserver free
# to run on two cores of this machine, a round trip costs 4 to 5 times as
# much in some runs as in others (the idle tick 160 or 790 µs, the settings
# load 260 or 1280 µs), and a run keeps the one or the other throughout.
one_core() {
  local cpus
  if command -v taskset >/dev/null && cpus=$(taskset -pc $$ 2>/dev/null); then
    cpus=${cpus##*: }
    taskset -c "${cpus%%[,-]*}" "$@"
  else
    "$@"
  fi
}

win_bench() {
  OSTREL_WINEPREFIX=$out/wineprefix one_core cmake/wine-run.sh "$win/bench/ostrel_win_bench.exe" \
    "${win_args[@]}" "$@" | tr -d '\r'
}

# ---- Idle cost: todayhost.exe's CPU time (user + system, from /proc) over
# idle_seconds, in a prefix with the item installed or without it.
todayhost_pid() {
  local prefix=$1 p
  for p in /proc/[0-9]*; do
    [ "$(cat "$p/comm" 2>/dev/null)" = todayhost.exe ] || continue
    tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix" || continue
    echo "${p#/proc/}"
    return 0
  done
  return 1
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

idle_cpu() {
  local which=$1 prefix=$out/idle-$1 warm=10 pid t0 t1 runner
  rm -rf "$prefix"
  local -x OSTREL_WINEPREFIX=$prefix
  cmake/wine-run.sh --boot >/dev/null
  if [ "$which" = with ]; then
    cmake/wine-run.sh regedit /S "$(windows_path "$out/today/ostrel.reg")"
  fi
  cmake/wine-run.sh "$out/today/todayhost.exe" --exit-after $(((warm + idle_seconds + 10) * 1000)) >/dev/null 2>&1 &
  runner=$!
  sleep $warm
  if pid=$(todayhost_pid "$prefix"); then
    t0=$(cpu_ticks "$pid")
    sleep "$idle_seconds"
    t1=$(cpu_ticks "$pid")
    echo "idle.${which}_item_ms_per_min $(((t1 - t0) * 1000 * 60 / idle_seconds / $(getconf CLK_TCK)))"
  fi
  wait "$runner" || true
  cmake/wine-run.sh --stop >/dev/null
}

# ---- Peak memory (maximum resident set, /usr/bin/time) of the host tools on
# large lists: ostrel-preview dumping the settings of a .reg file of about
# 200 MB, and ostrelcfg-sim opening the Launcher page of 10^6 entries.
peak_kb() { /usr/bin/time -f '%M' -o "$out/peak.txt" "$@" >/dev/null 2>"$out/peak-err.txt" && cat "$out/peak.txt"; }
memory_figures() {
  local reg_entries=1800000 cfg_entries=1000000 kb
  [ $quick = 1 ] && reg_entries=18000 cfg_entries=10000
  python3 scripts/make-big-reg.py "$reg_entries" "$out/memory-reg.reg"
  echo "memory.reg_file_mb $(($(stat -c %s "$out/memory-reg.reg") / 1000000))"
  if kb=$(peak_kb "$out/tools/preview/ostrel-preview" --reg "$out/memory-reg.reg" --dump-settings); then
    echo "memory.reg_200mb_peak_mb $((kb / 1024))"
  fi
  python3 scripts/make-big-reg.py "$cfg_entries" "$out/memory-cfg.reg"
  if kb=$(peak_kb "$out/tools/ostrelcfg-sim/ostrelcfg-sim" --reg "$out/memory-cfg.reg" \
      --ui "tab 1; select PagesList 4; press EditButton"); then
    echo "memory.cfg_launcher_1e6_peak_mb $((kb / 1024))"
    echo "memory.cfg_launcher_bytes_per_entry $((kb * 1024 / cfg_entries))"
  fi
  rm -f "$out/memory-reg.reg" "$out/memory-cfg.reg"
}

# ---- Footprint: the installed files' sizes, and what the plug-in's bytes
# are made of, from its link map: each input section that lands in the file
# (not .bss, nothing discarded) by the file it came from; "other" is what the
# linker itself adds (headers, alignment, relocations, the export table).
map_parts() {
  local map=$1 size=$2
  awk -v size="$size" '
    function hex(s,   i, n) {
      n = 0; s = tolower(s); sub(/^0x/, "", s)
      for (i = 1; i <= length(s); ++i) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
      return n
    }
    function part(file) {
      if (file ~ /\.lto\.o$|\.ltrans\.o$|\.res\)?$|libostrel_/) return "project"
      if (file ~ /libstdc\+\+/) return "libstdcxx"
      if (file ~ /libgcc/) return "libgcc"
      if (file ~ /lib(mingw32|mingwex|msvcrt)\.a\(lib64_|crt[^\/]*\.o$|crt2[^\/]*\.o$/) return "crt"
      if (file ~ /\.a\(/) return "imports"
      return "other"
    }
    /^Linker script and memory map/ { on = 1; next }
    !on { next }
    /^ [.][^ ]*$/ { section = $1; next }
    /^ [.][^ ]* +0x[0-9a-f]+ +0x[0-9a-f]+ +[^ ]/ { section = $1; address = $2; bytes = $3; $1 = $2 = $3 = ""; file = $0 }
    /^ +0x[0-9a-f]+ +0x[0-9a-f]+ +[^ ]/ && section != "" { address = $1; bytes = $2; $1 = $2 = ""; file = $0 }
    {
      if (file == "") next
      sub(/^ +/, "", file)
      if (hex(address) != 0 && section !~ /^[.](bss|debug)/) { total[part(file)] += hex(bytes); sum += hex(bytes) }
      file = ""; section = ""
    }
    END {
      for (p in total) if (p != "other") print p, total[p]
      print "other", size - sum + total["other"]
    }' "$map"
}

footprint() {
  local name key size image
  for name in ostrel.dll ostrelcfg.exe; do
    key=${name/./_}
    size=$(stat -c %s "$out/today/$name")
    cmp -s "$out/today/$name" "$win/item/$name" || echo "error.footprint_not_the_built_$key 1"
    echo "footprint.$key $size"
    map_parts "$win/item/${name%.*}.map" "$size" | sed "s/^/footprint.${key}_parts./"
  done
  image=$(x86_64-w64-mingw32-objdump -p "$out/today/ostrel.dll" | awk '$1 == "SizeOfImage" { print $2 }')
  echo "footprint.ostrel_dll_image $((16#$image))"
}

start=$(date +%s)
collect < <(footprint)
collect < <("$out/bench/ostrel_heap_bench" "$([ $quick = 1 ] && echo 100 || echo 10000)")
collect < <(win_bench --memory 5)
collect < <(memory_figures)
collect < <(host_figures)
collect < <(win_bench --item --balance "$paints")
collect < <(OSTREL_WINE_DPI=192 win_bench --item)
launcher_args=()
for n in $win_sizes; do launcher_args+=(--launcher "$n"); done
collect < <(win_bench "${launcher_args[@]}")
idle_cpu with >"$out/idle-with.txt" &
idle_cpu without >"$out/idle-without.txt"
wait
collect <"$out/idle-with.txt"
collect <"$out/idle-without.txt"
OSTREL_WINEPREFIX=$out/wineprefix cmake/wine-run.sh --stop >/dev/null
OSTREL_WINE_DPI=192 OSTREL_WINEPREFIX=$out/wineprefix cmake/wine-run.sh --stop >/dev/null

for key in "${!fig[@]}"; do
  [[ $key == error.* ]] && echo "bench.sh: $key ${fig[$key]}" >&2
done

# ---- The table and the JSON.
v() { echo "${fig[$1]:-null}"; }
ratio() {
  awk -v a="${fig[$1]:-}" -v b="${fig[$2]:-}" 'BEGIN { if (a == "" || b == "" || b == 0) print "-"; else printf "%.2f", a / b }'
}
num() { awk -v x="${fig[$1]:-}" 'BEGIN { if (x == "") print "-"; else printf "%.1f", x }'; }

{
  printf '%-34s %12s %12s %12s\n' "item (µs)" host win32-96 win32-192
  for f in paint_us bare_fill_blit_us idle_tick_us load_settings_us; do
    printf '%-34s %12s %12s %12s\n' "$f" "$(num host.$f)" "$(num win32.96.$f)" "$(num win32.192.$f)"
  done
  printf '%-34s %12s %12s %12s\n' "paint / bare fill+blit" "$(ratio host.paint_us host.bare_fill_blit_us)" \
    "$(ratio win32.96.paint_us win32.96.bare_fill_blit_us)" "$(ratio win32.192.paint_us win32.192.bare_fill_blit_us)"
  printf '%-34s %12s %12s %12s\n' "idle tick / paint" "$(ratio host.idle_tick_us host.paint_us)" \
    "$(ratio win32.96.idle_tick_us win32.96.paint_us)" "$(ratio win32.192.idle_tick_us win32.192.paint_us)"
  echo
  row_format='%-8s %9s %9s %9s %9s %9s %9s %9s %9s %9s %9s %7s\n'
  printf "$row_format" "entries" "host" "win32" "import" "create" "shell" "paint" \
    "cfg host" "cfg win32" "cfg open" "cfg shell" "icons"
  for n in $sizes; do
    printf "$row_format" "$n" "$(num launcher.$n.host_us_per_entry)" \
      "$(num launcher.$n.win32_us_per_entry)" "$(num launcher.$n.win32_import_us_per_entry)" \
      "$(num launcher.$n.win32_create_us_per_entry)" "$(num launcher.$n.win32_icons_us_per_entry)" \
      "$(num launcher.$n.win32_paint_us_per_entry)" "$(num launcher.$n.config_host_us_per_entry)" \
      "$(num launcher.$n.config_win32_us_per_entry)" "$(num launcher.$n.config_win32_open_us_per_entry)" \
      "$(num launcher.$n.config_win32_icon_indexes_us_per_entry)" "$(v launcher.$n.win32_icons_held)"
  done
  echo "(launcher: µs per entry; win32 = regedit import + the item's creation, launcher page, paint and tap;"
  echo " shell = the creation's part in the shell's icons; cfg open = the settings program opening its"
  echo " Launcher page after its start; cfg shell = that part in the shell's icon indexes; icons = icons held)"
  echo "launcher 10^5 / 10^3: host $(ratio launcher.100000.host_us_per_entry launcher.1000.host_us_per_entry)," \
    "win32 $(ratio launcher.100000.win32_us_per_entry launcher.1000.win32_us_per_entry)," \
    "settings host $(ratio launcher.100000.config_host_us_per_entry launcher.1000.config_host_us_per_entry)," \
    "settings win32 $(ratio launcher.100000.config_win32_us_per_entry launcher.1000.config_win32_us_per_entry)"
  echo "settings program's file browser on a folder of 10^3 / 10^4 / 10^5 files, host:" \
    "$(num browser.1000.host_us_per_file) / $(num browser.10000.host_us_per_file) /" \
    "$(num browser.100000.host_us_per_file) µs per file"
  echo "launcher 10^4 / 10^3: win32 $(ratio launcher.10000.win32_us_per_entry launcher.1000.win32_us_per_entry)," \
    "settings win32 $(ratio launcher.10000.config_win32_us_per_entry launcher.1000.config_win32_us_per_entry)"
  echo
  echo "drawing objects gained over $paints paints and ticks: host $(v host.objects_delta), win32 $(v win32.objects_delta)"
  echo "todayhost.exe CPU per minute: with the item $(v idle.with_item_ms_per_min) ms, without $(v idle.without_item_ms_per_min) ms"
  echo "peak memory: ostrel-preview --dump-settings of a $(v memory.reg_file_mb) MB .reg $(v memory.reg_200mb_peak_mb) MB;" \
    "ostrelcfg-sim on the Launcher page of 10^6 entries $(v memory.cfg_launcher_1e6_peak_mb) MB" \
    "($(v memory.cfg_launcher_bytes_per_entry) bytes per entry)"
  echo
  echo "footprint: ostrel.dll $(v footprint.ostrel_dll) B (project $(v footprint.ostrel_dll_parts.project)," \
    "libstdc++ $(v footprint.ostrel_dll_parts.libstdcxx), libgcc $(v footprint.ostrel_dll_parts.libgcc)," \
    "CRT $(v footprint.ostrel_dll_parts.crt), imports $(v footprint.ostrel_dll_parts.imports)," \
    "other $(v footprint.ostrel_dll_parts.other)), $(v footprint.ostrel_dll_image) B of address space;" \
    "ostrelcfg.exe $(v footprint.ostrelcfg_exe) B"
  echo "item heap (host): blocks per idle tick $(v heap.per_idle_tick), per paint $(v heap.per_paint);" \
    "most bytes held $(v heap.item_peak_bytes), with 5 launcher entries $(v heap.launcher5_item_peak_bytes)"
  echo "private bytes the item's creation (5 launcher entries) adds on win32: $(v win32.memory.launcher5.item_private_bytes);" \
    "growth over $(v win32.memory.launcher5.steady_steps) paints and ticks: $(v win32.memory.launcher5.steady_private_bytes_growth)"
  echo "($(($(date +%s) - start)) s of measuring)"
} | tee "$out/results.txt"

four() {
  local p=$1
  echo "{\"paint_us\": $(v ${p}paint_us), \"bare_fill_blit_us\": $(v ${p}bare_fill_blit_us), \"idle_tick_us\": $(v ${p}idle_tick_us), \"load_settings_us\": $(v ${p}load_settings_us)}"
}
parts() {
  local p=$1
  echo "{\"project\": $(v ${p}project), \"libstdcxx\": $(v ${p}libstdcxx), \"libgcc\": $(v ${p}libgcc), \"crt\": $(v ${p}crt), \"imports\": $(v ${p}imports), \"other\": $(v ${p}other)}"
}
{
  echo "{"
  echo "  \"host\": $(four host.),"
  echo "  \"win32\": {\"96\": $(four win32.96.), \"192\": $(four win32.192.)},"
  echo "  \"launcher\": ["
  sep=""
  for n in $sizes; do
    printf '%s    {"entries": %s, "host_us_per_entry": %s, "win32_us_per_entry": %s, "config_host_us_per_entry": %s, "config_win32_us_per_entry": %s}' \
      "$sep" "$n" "$(v launcher.$n.host_us_per_entry)" "$(v launcher.$n.win32_us_per_entry)" \
      "$(v launcher.$n.config_host_us_per_entry)" "$(v launcher.$n.config_win32_us_per_entry)"
    sep=$',\n'
  done
  echo
  echo "  ],"
  echo "  \"objects_after_100000_paints\": {\"host\": $(v host.objects_delta), \"win32\": $(v win32.objects_delta)},"
  echo "  \"idle_cpu\": {\"with_item_ms_per_min\": $(v idle.with_item_ms_per_min), \"without_item_ms_per_min\": $(v idle.without_item_ms_per_min)},"
  echo "  \"memory\": {\"reg_200mb_peak_mb\": $(v memory.reg_200mb_peak_mb), \"cfg_launcher_1e6_peak_mb\": $(v memory.cfg_launcher_1e6_peak_mb)},"
  echo "  \"footprint\": {\"ostrel_dll\": $(v footprint.ostrel_dll), \"ostrelcfg_exe\": $(v footprint.ostrelcfg_exe), \"ostrel_dll_image\": $(v footprint.ostrel_dll_image),"
  echo "    \"ostrel_dll_parts\": $(parts footprint.ostrel_dll_parts.),"
  echo "    \"ostrelcfg_exe_parts\": $(parts footprint.ostrelcfg_exe_parts.)},"
  echo "  \"allocations\": {\"per_idle_tick\": $(v heap.per_idle_tick), \"per_paint\": $(v heap.per_paint), \"item_peak_heap_bytes\": $(v heap.item_peak_bytes),"
  echo "    \"item_peak_heap_bytes_5_launcher_entries\": $(v heap.launcher5_item_peak_bytes),"
  echo "    \"win32_item_private_bytes_5_launcher_entries\": $(v win32.memory.launcher5.item_private_bytes),"
  echo "    \"win32_private_bytes_growth_over_steady_paints\": $(v win32.memory.launcher5.steady_private_bytes_growth)}"
  echo "}"
} >"$out/results.json"
echo "bench.sh: wrote $out/results.json"
