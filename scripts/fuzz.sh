#!/usr/bin/env bash
# Builds the libFuzzer harnesses (preset `fuzz`), runs every checked-in corpus
# file once, then fuzzes each harness for SECONDS (default 20).
# usage: scripts/fuzz.sh [SECONDS] [HARNESS]...
# Inputs found on the way go to build/fuzz/work/HARNESS/ (the checked-in corpus
# stays as it is); a crash, leak, sanitizer report or broken property leaves its
# input in build/fuzz/artifacts/ and makes the script exit 1.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  harnesses=(reg_read reg_roundtrip settings_roundtrip events_script ui_script)
fi

bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${harnesses[@]}"

status=0
ctest --preset fuzz || status=1

mkdir -p build/fuzz/artifacts
for h in "${harnesses[@]}"; do
  mkdir -p "build/fuzz/work/$h"
  echo "fuzz: $h for ${seconds} s"
  if ! "build/fuzz/fuzz/$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=4096 -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$h-" \
      "build/fuzz/work/$h" "fuzz/corpus/$h" >"build/fuzz/work/$h.log" 2>&1; then
    echo "fuzz: $h FAILED; the input is in build/fuzz/artifacts/, the log in build/fuzz/work/$h.log" >&2
    tail -n 40 "build/fuzz/work/$h.log" >&2
    status=1
  fi
  grep -E '^stat::number_of_executed_units|^Done ' "build/fuzz/work/$h.log" || true
done
exit $status
