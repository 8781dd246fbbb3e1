#!/usr/bin/env bash
# Builds the libFuzzer harnesses (preset `fuzz`), runs every checked-in input
# once (fuzz/corpus and fuzz/corpus-large), then fuzzes each harness for
# SECONDS (default 20) on inputs of up to MAX_LEN bytes (default 4096) and
# prints, per harness, the executions, executions a second and coverage.
# usage: scripts/fuzz.sh [SECONDS] [HARNESS]...
# Inputs found on the way go to build/fuzz/work/HARNESS/ (the checked-in corpus
# stays as it is); a crash, leak, sanitizer report or broken property leaves its
# input in build/fuzz/artifacts/ and makes the script exit 1.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
max_len=${MAX_LEN:-4096}
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  harnesses=(reg_read reg_roundtrip settings_roundtrip events_script ui_script item_paint)
fi

bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${harnesses[@]}"

status=0
ctest --preset fuzz || status=1

# "HARNESS  EXECUTIONS runs  N exec/s  cov: EDGES ft: FEATURES" from a run's log.
summary() {
  local log=$1
  local runs rate cov
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  cov=$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1 || true)
  printf '%-20s %10s runs %8s exec/s  %s\n' "$2" "${runs:-?}" "${rate:-?}" "${cov:-cov: ?}"
}

mkdir -p build/fuzz/artifacts
results=()
for h in "${harnesses[@]}"; do
  mkdir -p "build/fuzz/work/$h"
  echo "fuzz: $h for ${seconds} s"
  if ! "build/fuzz/fuzz/$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len="$max_len" -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$h-" \
      "build/fuzz/work/$h" "fuzz/corpus/$h" >"build/fuzz/work/$h.log" 2>&1; then
    echo "fuzz: $h FAILED; the input is in build/fuzz/artifacts/, the log in build/fuzz/work/$h.log" >&2
    tail -n 40 "build/fuzz/work/$h.log" >&2
    status=1
  fi
  results+=("$(summary "build/fuzz/work/$h.log" "$h")")
done
echo "fuzz: ${seconds} s each, inputs of up to ${max_len} bytes"
printf '%s\n' "${results[@]}"
exit $status
