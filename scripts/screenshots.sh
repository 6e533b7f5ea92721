#!/usr/bin/env bash
# Starts Velum under Wine and saves pictures of its configuration window, in English, in
# German and in Japanese (under the locale ja_JP.UTF-8, code page 932), of the quick setup
# wizard's size page, of the Thumbnails view of the GNOME backgrounds and of the size and
# position dialog over two (faked) monitors into docs/screenshots/ (config-en.png,
# config-de.png, config-ja.png, wizard-size.png, thumbnails.png, picker-monitors.png), as
# the README shows them.
#   screenshots.sh [BUILD_DIR] [OUT_DIR]     (defaults: build/mingw64, docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
export SOURCE_DIR=$PWD
export BUILD_DIR=$(cd "${1:-build/mingw64}" && pwd)
export PROGRAM_DIR=$BUILD_DIR/program
OUT=$(mkdir -p "${2:-docs/screenshots}" && cd "${2:-docs/screenshots}" && pwd)
[ -x "$BUILD_DIR/tests/velumctl.exe" ] && [ -f "$PROGRAM_DIR/velum.exe" ] ||
  { echo "screenshots: build $BUILD_DIR first (cmake --build --preset mingw64)"; exit 1; }

. scripts/wine-session.sh
wine_session_start || { echo "screenshots: no Wine session"; exit 1; }
export TEST_TMP=$VELUM_WINE_TMP
. tests/wine/velum-common.bash
. tests/wine/sheet-common.bash
trap 'velum_cleanup; wine_session_cleanup' EXIT

shoot() {  # shoot LANGUAGE-FILE OUT.png
  local lang_win
  lang_win=$(winepath -w "$PROGRAM_DIR/language/$1" 2>/dev/null | tr -d '\r')
  write_settings "{\"m_strLanguageFile\":\"${lang_win//\\/\\\\}\",\"m_nOpacity\":60,\"m_nSequence\":1,
    \"m_nSizeMode\":1,\"m_nListViewMode\":0,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,
    \"m_images\":[{\"path\":\"C:\\\\Pictures\\\\Holiday\",\"isFolder\":1,\"includeSubFolders\":1}]}"
  start_velum
  velumctl_rc wait-window 60 || { echo "screenshots: no window"; return 1; }
  local deadline=$(( $(date +%s) + 30 ))
  until [ "$(velumctl visible)" = visible ]; do
    [ "$(date +%s)" -lt "$deadline" ] || { echo "screenshots: window never shown"; return 1; }
    sleep 0.2
  done
  velumctl_rc sync
  read -r x y w h < <(velumctl rect)
  # The pointer away from the window, so that no tooltip shows.
  xdotool mousemove 0 "$(( y + h + 20 ))" 2>/dev/null || true
  # Two syncs a moment apart: the panels and buttons have painted once the queue is idle.
  sleep 1
  velumctl_rc sync
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$2"
  echo "screenshots: $2 (${w}x${h})"
  velumctl_rc command 32773
  wait_velum_exit 30 || true
}

# The wizard of a first start, on its last page with 560 x 420 chosen, so that the picker
# shows the region's block.
shoot_wizard() {  # shoot_wizard OUT.png
  rm -f "$(settings_dir)/vm.dat"
  start_velum -r
  sheetctl_rc wait 60 || { echo "screenshots: no wizard"; return 1; }
  sheet_next
  sheet_next
  sheet_next
  sheet_keys 1034 Home Down Down Down Down Down Down Return
  wait_for "6 560 x 420" sheetctl combo 1034
  xdotool mousemove 0 0 2>/dev/null || true
  sleep 1
  read -r x y w h < <(sheetctl client)
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"
  echo "screenshots: $1 (${w}x${h})"
  sheet_click 2
  velumctl --yes answer-box 30 >/dev/null || true
  velumctl_rc wait-window 60 && velumctl_rc command 32773
  wait_velum_exit 30 || true
}

# Xvfb gives Wine one monitor: the dialog's own test fakes two and saves what it shows.
shoot_picker() {  # shoot_picker OUT.png
  local bmp=$VELUM_WINE_TMP/picker.bmp
  (cd "$BUILD_DIR/tests" && VELUM_PICKER_SHOT=$(winepath -w "$bmp" 2>/dev/null) timeout 120 "$WINE" velum_wintests.exe \
    --gtest_filter=MonitorPickerDialog.* </dev/null >"$VELUM_WINE_TMP/picker.log" 2>&1) &&
    convert "$bmp" "$1" && echo "screenshots: $1" || { echo "screenshots: no picture of the picker"; return 1; }
}

# The GNOME backgrounds as JPEG in the Thumbnails view, the window dragged larger.
shoot_thumbnails() {  # shoot_thumbnails OUT.png
  local dir=$TEST_TMP/gnome images="" f win
  mkdir -p "$dir"
  for f in /usr/share/backgrounds/gnome/*.webp /usr/share/backgrounds/gnome/*.svg; do
    [ -e "$f" ] || continue
    vipsthumbnail "$f" -s 1024 -o "$dir/$(basename "${f%.*}").jpg[Q=90]"
  done
  for f in "$dir"/*.jpg; do
    win=$(winepath -w "$f" 2>/dev/null | tr -d '\r')
    images+="${images:+,}{\"path\":\"${win//\\/\\\\}\",\"width\":1024,\"height\":1024,\"depth\":24,\"isFolder\":0,\"includeSubFolders\":0}"
  done
  write_settings "{\"m_nListViewMode\":1,\"m_nThumbWidth\":128,\"m_nThumbHeight\":128,\"m_bCheckUpdate\":0,
    \"m_bRefreshSites\":0,\"m_images\":[$images]}"
  start_velum
  velumctl_rc wait-window 60 || { echo "screenshots: no window"; return 1; }
  wait_state visible
  read -r x y w h < <(velumctl rect)
  xdotool mousemove --sync $(( x + w - 2 )) $(( y + h - 2 )) mousedown 1 mousemove --sync $(( x + w + 230 )) $(( y + h + 150 )) mouseup 1
  xdotool mousemove 0 0
  local deadline=$(( $(date +%s) + 60 ))
  sleep 1
  until [ "$(velumctl message 2045 2 0)" = 0 ]; do  # WM_USER + 1021: jobs waiting or running
    [ "$(date +%s)" -lt "$deadline" ] || { echo "screenshots: thumbnails not made"; return 1; }
    sleep 0.3
  done
  sleep 1
  velumctl_rc sync
  read -r x y w h < <(velumctl rect)
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"
  echo "screenshots: $1 (${w}x${h})"
  velumctl_rc command 32773
  wait_velum_exit 30 || true
}

shoot vmeng.lng "$OUT/config-en.png"
shoot vmdeu.lng "$OUT/config-de.png"
LC_ALL=ja_JP.UTF-8 shoot vmjpn.lng "$OUT/config-ja.png"
shoot_wizard "$OUT/wizard-size.png"
shoot_thumbnails "$OUT/thumbnails.png"
shoot_picker "$OUT/picker-monitors.png"
