# The size and position dialog with the real mouse and keyboard: with size mode 3 stored,
# confirming "Custom" in the image size list opens the dialog under the language's title;
# 800 x 600, the custom position and OK in both windows store {800, 600, 240, 212, 1, 1}
# and the next picture appears there at once, and nowhere else.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

# The dialog's caption, as the English language file has it.
lang_text() {  # lang_text KEY
  awk -v key="$1" '{ sub(/\r$/, "") } /^\[/ { s = $0; next }
    s == "[Image Size Custon Dialog]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' \
    "$SOURCE_DIR/language/vmeng.lng"
}
title=$(lang_text 0001)
[ -n "$title" ] || fail "no dialog caption in vmeng.lng"

# ctl main|dialog ARGS...: velumctl on the configuration window or on the dialog.
ctl() {
  local who=$1
  shift
  if [ "$who" = dialog ]; then velumctl -w "$title" "$@"; else velumctl "$@"; fi
}
click_middle() {  # click_middle "X Y W H"
  local x y w h
  read -r x y w h <<<"$1"
  [ -n "$h" ] || fail "no rectangle to click"
  xdotool mousemove --sync $(( x + w / 2 )) $(( y + h / 2 )) click 1
}
drop_down() {  # drop_down main|dialog ID: a click on the combo box opens its list
  click_middle "$(ctl "$1" item-rect "$2")"
  wait_for dropped ctl "$1" dropped "$2"
}
# The image size list's "Custom" confirmed with the keyboard, as the list stands.
confirm_custom() {
  drop_down main 1015
  [ "$(velumctl combo 1015)" = "3 Custom" ] || fail "size mode reads $(velumctl combo 1015)"
  xdotool key Return
  velumctl_rc -w "$title" wait-window 30 || fail "confirming Custom opened no dialog titled \"$title\""
}
ok_both() {
  click_middle "$(ctl dialog item-rect 1)"
  velumctl_rc -w "$title" wait-gone 30 || fail "OK left the dialog open"
  click_middle "$(velumctl item-rect 1)"
  wait_state hidden
  xdotool mousemove 0 0
}
region() { velumctl_rc sync; show_settings | grep -o '"m_region":{[^}]*}'; }
expect_region() {  # expect_region W H LEFT TOP FIT POSITION
  local want="\"m_region\":{\"m_nWidth\":$1,\"m_nHeight\":$2,\"m_nLeft\":$3,\"m_nTop\":$4,\"m_nFitMode\":$5,\"m_nPositionMode\":$6}"
  [ "$(region)" = "$want" ] || fail "stored $(region), expected $want"
}

convert -size 800x600 xc:'rgb(255,0,0)' red.bmp
# A long interval: only OK shows a picture during the test. Full screen, random place.
write_settings '{"m_nInterval":600,"m_nSizeMode":3,"m_nOpacity":100,"m_bEnabled":1,"m_nNextIndex":-1,
  "m_bCheckUpdate":0,"m_bRefreshSites":0,
  "m_region":{"m_nWidth":-1,"m_nHeight":300,"m_nLeft":0,"m_nTop":0,"m_nFitMode":1,"m_nPositionMode":0},
  "m_images":['"$(picture_entries red.bmp)"']}'
shot
read -r dr dg db <<<"$(px 100 1000)"
echo "desktop: $dr $dg $db"

launch_velum
wait_state visible

# 1. "Custom" confirmed opens the dialog with the stored values.
confirm_custom
echo "dialog: $title"
[ "$(ctl dialog checked 1039)" = checked ] && [ "$(ctl dialog enabled 1038)" = disabled ] ||
  fail "random position: the picker is $(ctl dialog enabled 1038)"

# 2. 800 x 600 from the list, the custom position, OK twice.
drop_down dialog 1034
xdotool key --delay 60 Home Down Down Down Down Down Down Down Down Down Return
wait_for "9 800 x 600" ctl dialog combo 1034
read -r x y w h <<<"$(ctl dialog item-rect 1040)"
xdotool mousemove --sync $(( x + 6 )) $(( y + h / 2 )) click 1
wait_for enabled ctl dialog enabled 1038
ok_both
expect_region 800 600 240 212 1 1
# The next picture at once, in the region and nowhere else.
wait_colour 242 214 255 0 0 "picture's top-left corner"
wait_colour 1037 809 255 0 0 "picture's bottom-right corner"
for p in "237 214" "242 209" "1042 809" "1037 814"; do
  read -r x y <<<"$p"
  [ "$(px "$x" "$y")" = "$dr $dg $db" ] || fail "outside the region ($x,$y) is $(px "$x" "$y")"
done
echo "picture in (240,212)-(1040,812): ok"

exit_velum
echo ok
