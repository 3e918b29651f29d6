#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
# Any arguments are passed to the program (a measurement file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
if [ -x build/bin/vorn ]; then
  exec build/bin/vorn "$@"
fi
sample="${1:-tests/measurement/data/demo_short.VRN}"
exec build/bin/vornctl info "$sample" --no-samples
