#!/usr/bin/env bash
# Screenshots of the program without a display: starts vorn under a virtual X
# server with a sample measurement; the program's screenshot tour opens its
# menus and windows one by one and saves a PNG of the screen for each.
#
#   tools/screenshot_tour.sh [output folder]    (default: <build>/screenshots)
#
# BUILD_DIR picks the build folder (default: build); the program is built
# there first if it is missing. SAMPLE and SECOND name the two measurements;
# a measurement of a million samples 10 s apart is generated for the last shot.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="${1:-$build/screenshots}"
sample="${SAMPLE:-$root/tests/measurement/data/demo_short.VRN}"
second="${SECOND:-$root/tests/measurement/data/cycles.VRN}"

if [ ! -x "$build/bin/vorn" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" --target vorn
fi

mkdir -p "$out"
rm -f "$out"/[0-9][0-9]_*.png "$out"/report_window_*.pdf
out="$(cd "$out" && pwd)"

# A runtime folder of this run only: a copy of the program running elsewhere
# for the same user does not take the file over.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"

# 1,000,000 samples 10 s apart: in minutes the time axis ends at 166666,70.
large="$runtime/million.VRN"
/usr/bin/python3 - "$large" <<'PY'
import sys
def line(k):
    charging = k < 300000
    volts = (12 + 2.4 * k / 300000 if charging else 14.4 - 3.8 * (k - 300000) / 700000) + (k % 7) / 100
    amps = "-2.50" if charging else "5.00"
    return f"{k}\t{volts:.2f}\t{amps}\r\n".replace(".", ",")
with open(sys.argv[1], "w", newline="") as f:
    f.write("<MEAS>\r\n")
    f.writelines(line(k) for k in range(1000000))
    f.write("<MI>\t10\r\n<EOF>\r\n")
PY

VORN_RUNTIME_DIR="$runtime" XDG_RUNTIME_DIR="$runtime" \
VORN_SCREENSHOT_DIR="$out" VORN_SCREENSHOT_SECOND="$second" VORN_SCREENSHOT_LARGE="$large" \
  timeout 180 xvfb-run -a -s "-screen 0 1440x900x24" "$build/bin/vorn" "$sample"

# The report PDFs the tour wrote, page 1 of each as a picture, numbered after
# the tour's own screenshots.
n=$(ls "$out"/[0-9][0-9]_*.png 2>/dev/null | sed 's|.*/\([0-9][0-9]\)_.*|\1|' | sort -n | tail -1)
for language in magyar english german; do
  pdf="$out/report_window_$language.pdf"
  n=$((10#${n:-0} + 1))
  if [ -f "$pdf" ]; then
    pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$pdf" "$out/${n}_report_pdf_$language"
  fi
done

count=$(ls "$out"/[0-9][0-9]_*.png 2>/dev/null | wc -l)
echo "$count screenshots in $out"
[ "$count" -ge 14 ]
