#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (CTest),
# then the reader fuzzer for 60 seconds under AddressSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)
if [ -x tools/fuzz/run.sh ]; then
  bash tools/fuzz/run.sh 60
fi
