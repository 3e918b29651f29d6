#!/usr/bin/env bash
# The user guides' pictures: runs the screenshot tour once per language and
# puts small PNGs into docs/images/<lang>/ (hu, en, de). Run it after a
# visible change; the build only reads the pictures.
#
#   tools/guide/make_pictures.sh          (BUILD_DIR picks the build, default build)
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD_DIR:-$root/build}"
[ -x "$build/bin/vorn" ] || { echo "build vorn first: $build/bin/vorn" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A picture for the guide: at most `width` pixels wide, 256 colours.
picture() {  # source target width [crop]
  local crop=()
  [ -n "${4:-}" ] && crop=(-crop "$4" +repage)
  convert "$1" "${crop[@]}" -resize "${3}x>" -colors 256 -strip "PNG8:$2"
}

for pair in Magyar:hu English:en German:de; do
  language="${pair%%:*}" code="${pair##*:}"
  # A copy of the program folder that starts in this language.
  mkdir -p "$work/$code/bin"
  cp "$build/bin/vorn" "$work/$code/bin/"
  cp -r "$build/bin/DATA" "$work/$code/bin/" 2>/dev/null || true
  sed "s/^Language=.*/Language=$language/" "$root/src/app/resources/Language.ini" > "$work/$code/bin/Language.ini"
  BUILD_DIR="$work/$code" bash "$root/tools/screenshot_tour.sh" "$work/$code/shots" >/dev/null

  shots="$work/$code/shots" out="$root/docs/images/$code"
  rm -rf "$out" && mkdir -p "$out"
  # The main window with a measurement and the marker on a sample.
  picture "$shots/04_cursor_readout_and_marker.png" "$out/main_window.png" 900
  picture "$shots/04_cursor_readout_and_marker.png" "$out/graph_toolbar.png" 760 760x52+0+110
  picture "$shots/11_measurement_info_window.png" "$out/measurement_info.png" 620
  picture "$shots/12_graph_settings_window.png" "$out/graph_settings.png" 520
  picture "$shots/13_settings_dialog_window.png" "$out/settings.png" 420
  picture "$shots/14_correction_dialog_window.png" "$out/correction.png" 320
  echo "$language: $(ls "$out" | wc -l) pictures in $out"
done
