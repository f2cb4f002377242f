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
# Short fuzz runs (clang + libFuzzer) in their own build folder, which also builds the whole
# tree with clang. A longer run of one target by hand, keeping what it finds in
# build-fuzz/corpus:
#   build-fuzz/tests/fuzz/request_fuzz -max_total_time=3600 -max_len=4096 \
#     build-fuzz/corpus/request tests/fuzz/corpus/request
fuzz="$here/build-fuzz"
cmake -S "$here" -B "$fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DNEMBO_FUZZ=ON -DNEMBO_SANITIZE=ON \
  -DNEMBO_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$fuzz"
for source in "$here"/tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" _fuzz.cpp)
  mkdir -p "$fuzz/corpus/$name"
  if ! "$fuzz/tests/fuzz/${name}_fuzz" -max_total_time=5 -max_len=4096 \
      "$fuzz/corpus/$name" "$here/tests/fuzz/corpus/$name" >"$fuzz/${name}_fuzz.log" 2>&1; then
    tail -n 60 "$fuzz/${name}_fuzz.log" >&2
    exit 1
  fi
  grep -o "Done [0-9]* runs in [0-9]* second(s)" "$fuzz/${name}_fuzz.log" | sed "s/^/${name}_fuzz: /"
done

jobs=$(nproc)
cd "$build"
ctest --output-on-failure -j "$jobs" --timeout 600
