#!/usr/bin/env bash
# Builds the sanitizer build (preset `host-asan`) and runs the fault sweep:
# each scenario (the item, the settings program, its failed saves) once clean
# and then once for every call of the project that can fail, that call failing.
# usage: scripts/fault-sweep.sh [--every K] [--scenario NAME]... (ostrel-faults' options)
# Prints runs and failures by scenario and service, lists every failing run in
# build/faults/failures.txt, writes build/faults/summary.json and exits 1 when
# any run failed.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset host-asan >/dev/null
cmake --build --preset host-asan --target ostrel-faults
mkdir -p build/faults
start=$(date +%s)
status=0
build/host-asan/tests/faults/ostrel-faults --jobs "$(nproc)" --work build/faults \
  --summary build/faults/summary.json "$@" || status=$?
echo "fault-sweep: $(( $(date +%s) - start )) s; failing runs in build/faults/failures.txt"
exit "$status"
