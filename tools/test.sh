#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
#   tools/test.sh              normal build in build/
#   tools/test.sh --sanitize   address + undefined-behaviour build in build-asan/
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/install.sh"
build="$here/build"
extra=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$here/build-asan"
  extra=(-DNEMBO_SANITIZE=ON -DNEMBO_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S "$here" -B "$build" -G Ninja "${extra[@]}" >/dev/null
cmake --build "$build"
jobs=$(nproc)
cd "$build"
ctest --output-on-failure -j "$jobs" --timeout 600
