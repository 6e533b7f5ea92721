# The configuration window with a real process and real input: real border drags and a
# press that starts the move loop; an interval of 3 shows the platform's message and keeps
# the window open, 1000 is saved; Esc cancels; a change of the display sequence alone is
# saved by Exit. A save that cannot be written is told with the file's path and Velum keeps
# running with the edit; Exit then asks whether to end anyway, and No keeps it running.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
trap 'velumctl answer-box 1 >/dev/null 2>&1 || true; velum_cleanup' EXIT
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }

setting() { velumctl_rc sync; json_field "$(show_settings)" "$1"; }

german=$(winepath -w "$PROGRAM_DIR/language/vmdeu.lng" 2>/dev/null | tr -d '\r')
write_settings "{\"m_strLanguageFile\":\"${german//\\/\\\\}\",\"m_nInterval\":30,\"m_nOpacity\":25,
  \"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_images\":[{\"path\":\"C:\\\\a.jpg\"}]}"
launch_velum
wait_state visible

read -r x y w h < <(velumctl rect)
echo "window: $x $y $w $h"
# 1. Real mouse drags. The left border 50 pixels in: the width stays at the minimum and
# the left edge follows the mouse, so the window slides; the right border 100 out widens
# it; a press on a free point of the caption band starts moving it.
xdotool mousemove --sync $(( x + 1 )) $(( y + 200 ))
xdotool mousedown 1
xdotool mousemove --sync $(( x + 51 )) $(( y + 200 ))
xdotool mouseup 1
wait_for "$(( x + 50 )) $y $w $h" velumctl rect
x=$(( x + 50 ))
xdotool mousemove --sync $(( x + 530 )) $(( y + 200 ))
xdotool mousedown 1
xdotool mousemove --sync $(( x + 630 )) $(( y + 200 ))
xdotool mouseup 1
wait_for "$x $y $(( w + 100 )) $h" velumctl rect
# A press on a free point starts the system's move loop (Wine's loop does not follow
# xdotool's pointer on a bare X server, so the move itself is not checked here).
xdotool mousemove --sync $(( x + 200 )) $(( y + 20 ))
xdotool mousedown 1
wait_for moving velumctl moving
xdotool mouseup 1
xdotool mousemove 0 0
echo "mouse drags: ok"

# 2. The interval's check keeps the window open; 1000 is taken and saved.
velumctl_rc set-text 1017 3
velumctl_rc command 1
out=$(velumctl answer-box 30) || fail "no message for interval 3"
[ "$out" = "$(hex 'Please enter an integer between 5 and 1000.')" ] || fail "message for 3: $out"
wait_state visible
velumctl_rc set-text 1017 1000
velumctl_rc command 1
wait_state hidden
[ "$(setting m_nInterval)" = 1000 ] || fail "interval 1000 not saved: $(setting m_nInterval)"
echo "interval check: ok"

# 3. The settings folder does not take the new file: a folder stands where it would go.
dir=$(settings_dir)
mkdir "$dir/vm.dat.new"
velumctl_rc command 32771
wait_state visible
velumctl_rc set-text 1017 200
velumctl_rc command 1
out=$(velumctl answer-box 30) || fail "no message for the failed save"
lang_hex() { tool lang get "$PROGRAM_DIR/language/vmdeu.lng" Strings "$1" | od -An -tx1 | tr -d ' \n'; }
[[ $out == "$(lang_hex 0008)0a0a"*"$(hex '\Velum\vm.dat')" ]] || fail "message for the failed save: $out"
wait_state hidden
[ "$(setting m_nInterval)" = 1000 ] || fail "the file changed"
velumctl_rc command 32773
out=$(velumctl answer-box 30) || fail "Exit asked nothing after the failed save"
[[ $out == "$(lang_hex 0009)0a0a"* ]] || fail "Exit asked: $out"
velumctl_rc sync
[ "$(velumctl count)" = 1 ] || fail "No ended Velum"
[ "$(velumctl item-text 1017)" = 200 ] || fail "the edit is gone: $(velumctl item-text 1017)"
rmdir "$dir/vm.dat.new"
velumctl_rc command 32771
wait_state visible
velumctl_rc command 1
wait_state hidden
[ "$(setting m_nInterval)" = 200 ] || fail "interval 200 not saved once the folder took it"
echo "failed save: ok"

# 4. Esc cancels: the opacity chosen is not saved.
velumctl_rc command 32771
wait_state visible
velumctl_rc select 1010 9
velumctl_rc key 27
wait_state hidden
[ "$(setting m_nOpacity)" = 25 ] || fail "Esc saved the opacity"
echo "esc: ok"

# 5. A change of the display sequence alone is saved by Exit.
velumctl_rc select 1016 1
exit_velum
json=$(show_settings)
[ "$(json_field "$json" m_nSequence)" = 1 ] || fail "Exit dropped the sequence"
echo "sequence saved by Exit: ok"

echo ok
