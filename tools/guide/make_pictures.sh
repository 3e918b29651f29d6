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

work="$(mktemp -d /tmp/guide.XXXX)"
trap 'rm -rf "$work"' EXIT

# A picture for the guide: at most `width` pixels wide, 256 colours.
picture() {  # source target width [crop]
  local crop=()
  [ -n "${4:-}" ] && crop=(-crop "$4" +repage)
  convert "$1" "${crop[@]}" -resize "${3}x>" -colors 256 -strip "PNG8:$2"
}

# The box of the pixels of one colour within a region of a screenshot,
# grown by `grow` pixels on each side, as WxH+X+Y of the whole screenshot.
colour_box() {  # source region colour grow
  local box w h x y rx ry
  box="$(convert "$1" -crop "$2" +repage -fill black +opaque "$3" -format '%@' info:)"
  IFS='x+' read -r w h x y <<<"$box"
  IFS='x+' read -r _ _ rx ry <<<"$2"
  echo "$((w + 2 * $4))x$((h + 2 * $4))+$((rx + x - $4))+$((ry + y - $4))"
}

# The warning strip above the chart: the tool row, the strip and the top of
# the chart, its left end (the first warning) beside its right end (Show all
# and the button that hides it), a thin white gap between them.
strip_picture() {  # source target
  convert "$1" \( -clone 0 -crop 640x86+0+114 +repage \) \( -size 10x86 xc:white \) \
    \( -clone 0 -crop 250x86+1190+114 +repage \) -delete 0 +append -colors 256 -strip "PNG8:$2"
}

# The report's DATA folder of a sample lab: a company block in the guide's
# language and a logo, so that the report pictures show a filled-in header.
sample_data() {  # folder code
  mkdir -p "$1"
  local name street phone
  case "$2" in
    hu) name='Minta Akkumul\u225?tor Labor Kft.'
        street='1234 Mintav\u225?ros, F\u337? utca 1.'
        phone='Tel.: +36 1 234 5678' ;;
    de) name='Muster Batterielabor GmbH'
        street='Hauptstra\u223?e 1, 12345 Musterstadt'
        phone='Tel.: +49 30 1234 5678' ;;
    *)  name='Sample Battery Lab Ltd.'
        street='1 High Street, Sampletown'
        phone='Phone: +44 20 1234 5678' ;;
  esac
  printf '%s\n' '{\rtf1\ansi\ansicpg1252\deff0\uc1{\fonttbl{\f0\fnil\fcharset0 Tahoma;}}' \
    '{\colortbl ;\red11\green92\blue122;}' \
    "\\pard\\plain\\qc\\fs28\\cf1\\b $name\\par" \
    "\\pard\\plain\\qc\\fs18 $street\\par" \
    "\\pard\\plain\\qc\\fs18 $phone\\par" '}' > "$1/vorn1.rtf"
  convert -size 250x120 xc:white -fill '#0b5c7a' -draw 'roundrectangle 14,22 82,98 12,12' \
    -fill white -draw 'rectangle 30,48 66,72' -draw 'rectangle 66,54 72,66' \
    -fill '#0b5c7a' -font DejaVu-Sans-Bold -pointsize 24 -draw "text 96,58 'SAMPLE'" \
    -pointsize 15 -draw "text 96,84 'BATTERY LAB'" BMP3:"$1/logo.bmp"
}

# A stick as the tester leaves it: a few measurements in its root folder.
# The tour opens the first one and lists the stick's folder in the pendrive
# window.
stick="$work/media/lab/VORN_STICK"
mkdir -p "$stick"
data="$root/tests/measurement/data"
cp "$data/demo_short.VRN" "$stick/AKKU_0412_01.VRN"
cp "$data/worked_example.VRN" "$stick/AKKU_0412_02.VRN"
cp "$data/full_run_fail.VRN" "$stick/AKKU_0413_01.VRN"
cp "$data/cycles.VRN" "$stick/CIKLUS_0413_02.VRN"

for pair in Magyar:hu English:en German:de; do
  language="${pair%%:*}" code="${pair##*:}"
  # A copy of the program folder that starts in this language.
  mkdir -p "$work/$code/bin"
  cp "$build/bin/vorn" "$work/$code/bin/"
  sample_data "$work/$code/bin/DATA" "$code"
  sed "s/^Language=.*/Language=$language/" "$root/src/app/resources/Language.ini" > "$work/$code/bin/Language.ini"
  SAMPLE="$stick/AKKU_0412_01.VRN" BUILD_DIR="$work/$code" bash "$root/tools/screenshot_tour.sh" "$work/$code/shots" >/dev/null

  shots="$work/$code/shots" out="$root/docs/images/$code"
  rm -rf "$out" && mkdir -p "$out"
  # The main window with a measurement and the marker on a sample.
  picture "$shots/04_cursor_readout_and_marker.png" "$out/main_window.png" 900
  picture "$shots/04_cursor_readout_and_marker.png" "$out/graph_toolbar.png" 760 760x52+0+110
  picture "$shots/11_measurement_info_window.png" "$out/measurement_info.png" 620
  picture "$shots/12_graph_settings_window.png" "$out/graph_settings.png" 520
  picture "$shots/13_settings_dialog_window.png" "$out/settings.png" 420
  picture "$shots/14_correction_dialog_window.png" "$out/correction.png" 320
  # The pendrive window and the export's closing message.
  picture "$shots/16_pendrive_window_window.png" "$out/pendrive.png" 560
  picture "$shots/18_export_message_window.png" "$out/export_message.png" 400
  # The report window (the tour makes it in every language; this guide's
  # one), the print preview's tool bar and page 1 of the report's PDF.
  lower="$(echo "$language" | tr '[:upper:]' '[:lower:]')"
  picture "$(ls "$shots"/[0-9][0-9]_report_window_"$lower".png)" "$out/report_window.png" 812 812x662+314+119
  picture "$(ls "$shots"/[0-9][0-9]_report_preview.png)" "$out/report_preview_tools.png" 740 740x44+210+2
  picture "$(ls "$shots"/[0-9][0-9]_report_pdf_"$lower".png)" "$out/report_pdf.png" 400
  # A damaged copy of the measurement: the integrity warning strip, and the
  # top of the full list of its warnings (its lines without the empty rest).
  strip_picture "$shots/30_warning_strip.png" "$out/warning_strip.png"
  picture "$shots/31_warning_list.png" "$out/warning_list.png" 640 640x62+400+333
  # The two cursors A and B: the tool row and the upper half of the chart with
  # both cursors and their read-out, and the read-out alone at its own size
  # (found by its pale ground, as wide as the language's words make it).
  span="$(ls "$shots"/[0-9][0-9]_span_cursors_"$lower".png)"
  picture "$span" "$out/span_cursors.png" 900 1440x440+0+112
  picture "$span" "$out/span_panel.png" 400 "$(colour_box "$span" 1440x650+0+195 'srgb(243,245,245)' 2)"
  # The comparison window down to the last rows of its table.
  picture "$(ls "$shots"/[0-9][0-9]_compare_"$lower".png)" "$out/compare.png" 900 1320x640+60+60
  echo "$language: $(ls "$out" | wc -l) pictures in $out"
done
