# The tray icon is there after start-up with its tip and follows the enabled state; a
# double click on the icon opens the configuration window; WM_HOTKEY 20, 19, 11, 12 and 10
# step the pictures, change the opacity and toggle the slideshow; a hotkey that another
# program holds leaves the other four registered.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
command -v import >/dev/null && command -v convert >/dev/null || fail "ImageMagick (import, convert) is missing"

# Three pictures, a long interval so that no tick moves the position meanwhile.
settings='{"m_nInterval":1000,"m_nOpacity":25,"m_nNextIndex":0,
           "m_images":[{"path":"C:\\a.jpg"},{"path":"C:\\b.jpg"},{"path":"C:\\c.jpg"}]}'
start() {
  write_settings "$settings"
  launch_velum -r
  velumctl_rc sync || fail "main window does not answer"
}
run_once() {  # $@: hotkey ids to post; prints the settings saved at the end
  start
  [ $# -eq 0 ] || velumctl hotkey "$@" >&2 || fail "posting hotkeys $*"
  exit_velum
  show_settings
}

# 1. The icon with its tip, grey while the slideshow is disabled.
start
velumctl tray-tip Velum 20 || fail "no tray icon with the tip Velum"
read -r ix iy iw ih < <(velumctl icon-rect) || fail "no icon window in the tray"
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
on=$(saturation)
velumctl_rc command 32774
off=$(wait_saturation below $(( on * 2 / 3 ))) || fail "icon did not turn grey on Disable ($on -> $off)"
velumctl_rc command 32774
again=$(wait_saturation above $(( off * 3 / 2 ))) || fail "icon did not come back on Enable ($off -> $again)"
echo "tray icon saturation: enabled $on, disabled $off, enabled again $again"
# A double click on the icon opens the configuration window.
[ "$(velumctl visible)" = hidden ] || fail "configuration window open before the double click"
velumctl_rc double-click-icon || fail "double click not delivered"
[ "$(velumctl visible)" = visible ] || fail "double click did not open the configuration window"
exit_velum

# 2. Hotkeys, against a run without them.
base=$(run_once)
# Next twice and Previous once move on one picture; up, up, down raise 25 to 30; 10 turns it off.
after=$(run_once 20 20 19 11 11 12 10)
b_next=$(json_field "$base" m_nNextIndex)
echo "without hotkeys: $base"
echo "with 20 20 19 11 11 12 10: $after"
[ "$(json_field "$after" m_nNextIndex)" = $(( (b_next + 1) % 3 )) ] || fail "Next (20) and Previous (19) did not end one picture on"
[ "$(json_field "$after" m_nOpacity)" = 30 ] || fail "Increase (11) and Decrease Opacity (12) did not end at 30"
[ "$(json_field "$base" m_bEnabled)" = 1 ] && [ "$(json_field "$after" m_bEnabled)" = 0 ] ||
  fail "Enable/Disable (10) did not turn the slideshow off"

# 3. Another program holds Ctrl + Alt + Home before the start.
release="Z:$(echo "$TEST_TMP/release" | tr / '\\')"
"$WINE" "$VELUMCTL" hold-home "$release" </dev/null >"$TEST_TMP/hold.log" 2>&1 &
holder=$!
deadline=$(( $(date +%s) + 60 ))
until grep -q holding "$TEST_TMP/hold.log" 2>/dev/null; do
  [ "$(date +%s)" -lt $deadline ] || fail "holder did not take Ctrl + Alt + Home: $(cat "$TEST_TMP/hold.log")"
  sleep 0.2
done
start
velumctl hotkeys-taken || fail "a hotkey is missing while Ctrl + Alt + Home is held elsewhere"
touch "$TEST_TMP/release"
wait $holder || fail "holder: $(cat "$TEST_TMP/hold.log")"
exit_velum
echo "ok"
