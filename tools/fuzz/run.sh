#!/usr/bin/env bash
# Builds the measurement reader's libFuzzer target with clang and
# AddressSanitizer in build-fuzz/, seeds its corpus with the test files and
# runs it for SECONDS seconds (default 60). Exits non-zero when the fuzzer
# finds a crash; the input that caused it is left in build-fuzz/artifacts/.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build-fuzz

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_BUILD_FUZZ=ON \
  -DVORN_BUILD_TESTS=OFF -DVORN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target reader_fuzz

corpus=$build/corpus
mkdir -p "$corpus" "$build/artifacts"
cp -f "$root"/tests/measurement/data/*.VRN "$corpus"/

"$build/bin/reader_fuzz" "$corpus" \
  -dict="$root/tools/fuzz/vrn.dict" \
  -max_total_time="$seconds" \
  -max_len=131072 \
  -timeout=10 \
  -rss_limit_mb=2048 \
  -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/"
