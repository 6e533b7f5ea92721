#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine.
# With a desktop (DISPLAY set) it runs there; without one it starts a virtual screen, takes a
# screenshot once a picture is up, says where it is, and ends the program again.
# On the first run (no settings file yet) Velum starts hidden with a slideshow of the textured
# GNOME backgrounds, converted to JPEG once into a cache folder (the codecs under Wine read no
# WebP).
set -euo pipefail
trap 'echo "run-velum: failed at line $LINENO: $BASH_COMMAND" >&2' ERR
cd "$(dirname "$0")/.."
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -j2 >"${TMPDIR:-/tmp}/run-velum-build.log" ||
  { tail -n 30 "${TMPDIR:-/tmp}/run-velum-build.log" >&2; exit 1; }
PROGRAM_DIR=$PWD/build/mingw64/program
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=wine64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$HOME/.velum-wine}
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/velum
PICTURES=$CACHE/backgrounds

XVFB_PID= XCOMPMGR_PID=
cleanup() {
  [ -n "${HEADLESS:-}" ] && timeout 20 wineserver -k >/dev/null 2>&1
  [ -n "$XCOMPMGR_PID" ] && kill "$XCOMPMGR_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  dfile=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$dfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do [ -s "$dfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$dfile")"
  rm -f "$dfile"
  xcompmgr >/dev/null 2>&1 &
  XCOMPMGR_PID=$!
  HEADLESS=1
fi

[ -d "$WINEPREFIX" ] || { echo "run-velum: making the Wine prefix $WINEPREFIX"; "$WINE" wineboot -u </dev/null >/dev/null 2>&1; }
# Start Wine's server and its system processes now, with no pipe attached: a process that
# started them inside a $(...) below would never see its output end.
wineserver -p30 </dev/null >/dev/null 2>&1 || true
"$WINE" wineboot </dev/null >/dev/null 2>&1 || true

# Pictures for a newcomer: the GNOME backgrounds that are photographs and textures (WebP); the
# SVG ones are flat drawings. At most 1920 pixels across, two conversions at a time.
mkdir -p "$PICTURES"
if ! ls "$PICTURES"/*.jpg >/dev/null 2>&1; then
  echo "run-velum: converting the GNOME backgrounds into $PICTURES (once, about a minute)"
  find /usr/share/backgrounds/gnome -name '*.webp' -size +100k -print0 2>/dev/null | sort -z |
    xargs -0 -r -P2 -I{} sh -c 'f=$1; out="$2/$(basename "${f%.*}").jpg"
      convert "$f" -resize "1920x1920>" -quality 90 "jpg:$out.part" 2>/dev/null && mv "$out.part" "$out"' _ {} "$PICTURES"
  rm -f "$PICTURES"/*.part
fi

appdata=$("$WINE" cmd /c echo %APPDATA% </dev/null 2>/dev/null | tr -d '\r')
settings="$(winepath -u "$appdata" 2>/dev/null)/Velum/vm.dat"
args=("$@")
if [ ! -f "$settings" ] && ls "$PICTURES"/*.jpg >/dev/null 2>&1; then
  echo "run-velum: first run, settings in $settings"
  mkdir -p "$(dirname "$settings")"
  folder=$(winepath -w "$PICTURES" 2>/dev/null | tr -d '\r')
  folder_json=${folder//\\/\\\\}
  echo "{\"m_nInterval\":10,\"m_nOpacity\":60,\"m_nSizeMode\":1,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,
        \"m_images\":[{\"path\":\"$folder_json\",\"isFolder\":1,\"includeSubFolders\":1}]}" |
    "$WINE" "$PROGRAM_DIR/velum-tool.exe" settings write "$(winepath -w "$settings" 2>/dev/null)"
  args=(-r "${args[@]}")
fi

if [ ! -f "$PROGRAM_DIR/velum.exe" ]; then
  "$WINE" "$PROGRAM_DIR/velum-tool.exe" settings defaults
  exit 0
fi
if [ -z "${HEADLESS:-}" ]; then
  "$WINE" "$PROGRAM_DIR/velum.exe" "${args[@]}"
  exit 0
fi

# No desktop: run for a while on the virtual screen and keep a picture of it.
"$WINE" "$PROGRAM_DIR/velum.exe" "${args[@]}" </dev/null >/dev/null 2>&1 &
velum=$!
sleep 12
shot=$CACHE/screenshot.png
import -window root "$shot" 2>/dev/null && echo "run-velum: screenshot of the virtual screen saved in $shot"
"$WINE" "$PROGRAM_DIR/velum.exe" -u </dev/null >/dev/null 2>&1 || true
for _ in $(seq 1 50); do kill -0 "$velum" 2>/dev/null || break; sleep 0.2; done
kill "$velum" 2>/dev/null || true
