#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
#   tools/test.sh              normal build in build/
#   tools/test.sh --sanitize   address + undefined-behaviour build in build-asan/
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/install.sh"
# The tree keeps the formatter's style: a file clang-format would change fails the run.
if ! (cd "$here" && git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror); then
  echo "test.sh: the files named above differ from .clang-format; run clang-format -i on them" >&2
  exit 1
fi
build="$here/build"
extra=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$here/build-asan"
  extra=(-DNEMBO_SANITIZE=ON -DNEMBO_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S "$here" -B "$build" -G Ninja "${extra[@]}" >/dev/null
cmake --build "$build"
# Short fuzz runs (clang + libFuzzer) in their own build folder, which builds with clang only
# what the fuzz targets link: the XML reader, the readers of the government's replies and
# totalizers seeded with the sample replies of tests/data, the request and token parsing, the
# reader of the API's replies and zip entry names. A longer run by hand, keeping what it finds in
# build-fuzz/corpus:
#   build-fuzz/tests/fuzz/xml_reader_fuzz -max_total_time=3600 -max_len=4096 \
#     build-fuzz/corpus/xml_reader tests/fuzz/corpus/xml_reader
fuzz="$here/build-fuzz"
cmake -S "$here" -B "$fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DNEMBO_FUZZ=ON -DNEMBO_SANITIZE=ON \
  -DNEMBO_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$fuzz" --target fuzz_targets

run_fuzz() {  # target, max_len, seed folders...
  local target=$1 max_len=$2
  shift 2
  mkdir -p "$fuzz/corpus/$target"
  if ! "$fuzz/tests/fuzz/${target}_fuzz" -max_total_time=5 -max_len="$max_len" \
      "$fuzz/corpus/$target" "$@" >"$fuzz/${target}_fuzz.log" 2>&1; then
    tail -n 60 "$fuzz/${target}_fuzz.log" >&2
    exit 1
  fi
  grep -o "Done [0-9]* runs in [0-9]* second(s)" "$fuzz/${target}_fuzz.log" | sed "s/^/${target}_fuzz: /"
}
run_fuzz xml_reader 4096 "$here/tests/fuzz/corpus/xml_reader"
run_fuzz replies 24576 "$here/tests/fuzz/corpus/replies" "$here/tests/data/gov-replies"
for target in request token api_reply zip_names; do
  run_fuzz "$target" 4096 "$here/tests/fuzz/corpus/$target"
done

jobs=$(nproc)
cd "$build"
ctest --output-on-failure -j "$jobs" --timeout 600
