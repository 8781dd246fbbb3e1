#!/usr/bin/env bash
# Installs what is missing, builds the host and Windows builds, and runs both test suites.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset host >/dev/null
cmake --build --preset host
cmake --preset win64 >/dev/null
cmake --build --preset win64

status=0
ctest --preset host || status=1
ctest --preset win64 || status=1
exit $status
