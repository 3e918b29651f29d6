#!/usr/bin/env bash
# Installs what is missing, builds everything, fuzzes the measurement reader
# for 60 seconds under AddressSanitizer, then runs every test (CTest).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
if [ -x tools/fuzz/run.sh ]; then
  bash tools/fuzz/run.sh 60
fi
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
