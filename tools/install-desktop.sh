#!/usr/bin/env bash
# Registers VORN with the desktop: the ".VRN" MIME type and a desktop entry,
# so that a double-clicked measurement file starts "vorn FILE" (which hands
# the file over when a copy already runs).
#
#   bash tools/install-desktop.sh [--system] [--prefix DIR] [--icon FILE] PATH/TO/vorn
#   bash tools/install-desktop.sh --uninstall [--system] [--prefix DIR]
#
# Without --system it installs for the current user under
# ${XDG_DATA_HOME:-~/.local/share}; with --system under DIR/share (DIR is
# /usr/local unless --prefix says otherwise). The icon defaults to the
# program logo of the source tree when it is there.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
mime_type="application/x-vorn-measurement"

usage() {
  sed -n '6,7p' "$0" | sed 's/^# *//' >&2
  exit 2
}

system=0 prefix=/usr/local uninstall=0 icon="" exe=""
while [ $# -gt 0 ]; do
  case "$1" in
    --system) system=1 ;;
    --prefix) [ $# -ge 2 ] || usage; prefix="$2"; shift ;;
    --icon) [ $# -ge 2 ] || usage; icon="$2"; shift ;;
    --uninstall) uninstall=1 ;;
    -h|--help) usage ;;
    -*) echo "unknown option: $1" >&2; usage ;;
    *) [ -z "$exe" ] || usage; exe="$1" ;;
  esac
  shift
done

if [ "$system" = 1 ]; then
  data="$prefix/share"
else
  data="${XDG_DATA_HOME:-$HOME/.local/share}"
fi
apps="$data/applications"
mime="$data/mime"
icons="$data/icons/hicolor"

# Refreshes the desktop's caches where the tools for it are installed.
refresh() {
  if command -v update-mime-database >/dev/null; then update-mime-database "$mime"; fi
  if command -v update-desktop-database >/dev/null; then update-desktop-database -q "$apps"; fi
  if command -v gtk-update-icon-cache >/dev/null && [ -f "$icons/index.theme" ]; then
    gtk-update-icon-cache -q -t "$icons" || true
  fi
}

if [ "$uninstall" = 1 ]; then
  rm -f "$apps/vorn.desktop" "$mime/packages/vorn-mime.xml" "$icons/scalable/apps/vorn.svg"
  mkdir -p "$apps" "$mime/packages"
  refresh
  echo "VORN removed from $data"
  exit 0
fi

[ -n "$exe" ] || usage
if [ ! -f "$exe" ] || [ ! -x "$exe" ]; then
  echo "not an executable file: $exe" >&2
  exit 1
fi
exe="$(realpath "$exe")"

# The program's path as one Exec argument: quoted, with the characters that
# are special inside quotes escaped, "%" doubled, and then every backslash
# doubled once more because the value itself is an escaped string.
exec_argument() {
  local s="$1"
  s="${s//\\/\\\\}"
  s="${s//\"/\\\"}"
  s="${s//\`/\\\`}"
  s="${s//\$/\\\$}"
  s="${s//%/%%}"
  s="\"$s\""
  printf '%s' "${s//\\/\\\\}"
}

# Writes the desktop entry with this program's path in Exec and TryExec.
write_desktop_entry() {
  local target="$1" line
  while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
      Exec=*) printf 'Exec=%s %%f\n' "$(exec_argument "$exe")" ;;
      TryExec=*) printf 'TryExec=%s\n' "${exe//\\/\\\\}" ;;
      *) printf '%s\n' "$line" ;;
    esac
  done <"$here/desktop/vorn.desktop" >"$target"
  chmod 644 "$target"
}

mkdir -p "$apps" "$mime/packages"
install -m 644 "$here/desktop/vorn-mime.xml" "$mime/packages/vorn-mime.xml"
write_desktop_entry "$apps/vorn.desktop"

[ -n "$icon" ] || icon="$here/../src/app/resources/app_logo.svg"
if [ -f "$icon" ]; then
  install -D -m 644 "$icon" "$icons/scalable/apps/vorn.svg"
fi

refresh
# A user's own choice of handler for the type; system-wide the desktop entry
# alone makes VORN the handler unless the user picked another one.
if [ "$system" = 0 ] && command -v xdg-mime >/dev/null; then
  xdg-mime default vorn.desktop "$mime_type" || true
fi
echo "VORN registered in $data for $mime_type (*.VRN): $exe"
