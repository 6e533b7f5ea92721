# The tray icon is there after start-up with its tip and follows the enabled state;
# closing Preferences leaves the hotkeys registered; a double click on the icon opens the
# configuration window; WM_HOTKEY 20, 11 and 10 show the next picture, raise the opacity
# and toggle the slideshow, 19 and 12 step back and lower it; a hotkey that another
# program holds leaves the other four registered.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
. "$SOURCE_DIR/tests/wine/sheet-common.bash"
cd "$TEST_TMP"
probe() { (cd "$BUILD_DIR/tests" && VELUM_PROBE=$1 "$WINE" velum_wintests.exe --gtest_filter="ProgramProbe.*" \
  </dev/null >"$TEST_TMP/probe-$1.log" 2>&1); }
probe_ok() { tr -d '\r' <"$TEST_TMP/probe-$1.log" | grep -q '^\[  PASSED  \] 1 test' || {
  tr -d '\r' <"$TEST_TMP/probe-$1.log" | tail -20; return 1; }; }

dir=$(settings_dir)
mkdir -p "$dir"
# Three pictures, a long interval so that no tick moves the position meanwhile.
write_settings() {
  echo '{"m_nInterval":1000,"m_nOpacity":25,"m_nNextIndex":0,
         "m_images":[{"path":"C:\\a.jpg"},{"path":"C:\\b.jpg"},{"path":"C:\\c.jpg"}]}' |
    tool settings write "Z:$dir/vm.dat" || fail "cannot write the settings file"
}
run_once() {  # $1: hotkey ids to post, or nothing
  write_settings
  start_velum -r
  velumctl_rc wait-window 60 || fail "no main window"
  velumctl_rc sync || fail "main window does not answer"
  if [ -n "$1" ]; then
    VELUM_HOTKEY_IDS="$1" probe post-hotkeys || true
    probe_ok post-hotkeys || fail "posting hotkeys $1"
  fi
  velumctl_rc command 32773 || fail "cannot post Exit"
  wait_velum_exit 30 || fail "Exit did not end the program"
  tool settings show "Z:$dir/vm.dat"
}

# 1. The icon with its tip.
write_settings
start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
probe tray || true
probe_ok tray || fail "no tray icon with the tip Velum"
echo "tray icon: ok"
# The icon follows the state: the coloured picture while enabled, the grey one while disabled.
probe icon-rect || true
probe_ok icon-rect || fail "no icon window in the tray"
read -r ix iy iw ih < <(tr -d '\r' <"$TEST_TMP/probe-icon-rect.log" | sed -n 's/^iconrect //p')
saturation() { import -window root -crop "${iw}x${ih}+${ix}+${iy}" +repage "$TEST_TMP/icon.png" &&
  convert "$TEST_TMP/icon.png" -colorspace HSL -channel G -separate +channel -format '%[fx:int(mean*1000)]' info:; }
wait_saturation() {  # above|below LIMIT: polls until the icon's mean saturation (per mille) is so
  local deadline=$(( $(date +%s) + 10 )) v
  while :; do
    v=$(saturation)
    if [ "$1" = above ] && [ "$v" -gt "$2" ]; then echo "$v"; return 0; fi
    if [ "$1" = below ] && [ "$v" -lt "$2" ]; then echo "$v"; return 0; fi
    [ "$(date +%s)" -lt $deadline ] || { echo "$v"; return 1; }
    sleep 0.3
  done
}
command -v import >/dev/null && command -v convert >/dev/null || fail "ImageMagick (import, convert) is missing"
on=$(saturation)
velumctl_rc command 32774
velumctl_rc sync
off=$(wait_saturation below $(( on * 2 / 3 ))) || fail "icon did not turn grey on Disable ($on -> $off)"
velumctl_rc command 32774
velumctl_rc sync
again=$(wait_saturation above $(( off * 3 / 2 ))) || fail "icon did not come back on Enable ($off -> $again)"
echo "tray icon saturation: enabled $on, disabled $off, enabled again $again"
# Preferences releases the hotkeys for its sheet and takes them back when it closes.
velumctl_rc command 32775 || fail "cannot post Preferences"
sheetctl_rc wait 30 || fail "Preferences did not open its sheet"
sheet_click 2
sheetctl_rc gone 30 || fail "Cancel did not close the sheet"
velumctl_rc sync
probe check-taken || true
probe_ok check-taken || fail "hotkeys missing after Preferences"
echo "preferences: ok"
# A double click on the icon opens the configuration window; a second one keeps the one window.
[ "$(velumctl visible)" = hidden ] || fail "configuration window open before the double click"
probe double-click || true
probe_ok double-click || fail "double click not delivered"
[ "$(velumctl visible)" = visible ] || fail "double click did not open the configuration window"
probe double-click || true
[ "$(velumctl count)" = 1 ] && [ "$(velumctl visible)" = visible ] || fail "second double click"
echo "double click: ok"
velumctl_rc command 32773
wait_velum_exit 30 || fail "Exit did not end the program"

# 2. Hotkeys, against a run without them.
base=$(run_once "")
after=$(run_once "20 11 10")
b_next=$(json_field "$base" m_nNextIndex); a_next=$(json_field "$after" m_nNextIndex)
echo "without hotkeys: next=$b_next opacity=$(json_field "$base" m_nOpacity) enabled=$(json_field "$base" m_bEnabled)"
echo "with 20 11 10:   next=$a_next opacity=$(json_field "$after" m_nOpacity) enabled=$(json_field "$after" m_bEnabled)"
[ "$a_next" = $(( (b_next + 1) % 3 )) ] || fail "Next Image (20) did not move on one picture"
[ "$(json_field "$after" m_nOpacity)" = 30 ] || fail "Increase Opacity (11) did not raise 25 to 30"
[ "$(json_field "$base" m_bEnabled)" = 1 ] && [ "$(json_field "$after" m_bEnabled)" = 0 ] ||
  fail "Enable/Disable (10) did not turn the slideshow off"
# Previous Image (19) and Decrease Opacity (12) undo one step each.
other=$(run_once "20 20 19 12 11 12")
echo "with 20 20 19 12 11 12: next=$(json_field "$other" m_nNextIndex) opacity=$(json_field "$other" m_nOpacity)"
[ "$(json_field "$other" m_nNextIndex)" = $(( (b_next + 1) % 3 )) ] || fail "Previous Image (19) did not step back"
[ "$(json_field "$other" m_nOpacity)" = 20 ] || fail "Decrease Opacity (12) did not lower 25 to 20"
[ "$(json_field "$other" m_bEnabled)" = 1 ] || fail "the slideshow was turned off without hotkey 10"

# 3. Another program holds Ctrl + Alt + Home before the start.
rm -f "$TEST_TMP/release"
(cd "$BUILD_DIR/tests" && VELUM_PROBE=hold VELUM_RELEASE_FILE="Z:$(echo "$TEST_TMP/release" | tr / '\\')" \
  "$WINE" velum_wintests.exe --gtest_filter="ProgramProbe.*" </dev/null >"$TEST_TMP/probe-hold.log" 2>&1) &
holder=$!
deadline=$(( $(date +%s) + 60 ))
until grep -q holding "$TEST_TMP/probe-hold.log" 2>/dev/null; do
  [ "$(date +%s)" -lt $deadline ] || fail "holder did not take Ctrl + Alt + Home"
  sleep 0.2
done
write_settings
start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
velumctl_rc sync
probe check-taken || true
touch "$TEST_TMP/release"
wait $holder || true
probe_ok check-taken || fail "a hotkey is missing while Ctrl + Alt + Home is held elsewhere"
grep -q '^\[  PASSED  \] 1 test' <(tr -d '\r' <"$TEST_TMP/probe-hold.log") || fail "holder: $(tail -5 "$TEST_TMP/probe-hold.log")"
velumctl_rc command 32773
wait_velum_exit 30 || fail "Exit did not end the program"
echo "ok"
