# A borderless window over the whole screen in front: the display window hides within one
# tick and the slideshow does not move on; when it closes the pictures come back where
# they stopped. Read from the display window's state and size (each picture has its own
# size), not from the screen: without a window manager Wine keeps no topmost order.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
COVERCTL=$BUILD_DIR/tests/coverctl.exe
display() { wine_run 30 "$COVERCTL" display; }
is() { [[ $(display) == $1* ]]; }  # is visible|hidden
changed() { [ "$(display)" != "$1" ]; }

for s in 40 60 80 100; do
  convert -size ${s}x${s} xc:'rgb(200,40,40)' "p$s.bmp"
done
paths=$(picture_entries p40.bmp p60.bmp p80.bmp p100.bmp)
# Own size, centred, a tick every 5 s in list order.
write_settings "{\"m_nInterval\":5,\"m_nSequence\":0,\"m_nSizeMode\":0,\"m_nOpacity\":50,\"m_nNextIndex\":-1,
  \"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_bPauseOnScreenSaver\":1,\"m_images\":[$paths]}"

launch_velum -r
# Wait for a tick to change the picture, so the next one is about 5 s away.
wait_until 30 is visible || fail "no picture shown: $(display)"
first=$(display)
wait_until 15 changed "$first" ||
  fail "the slideshow does not move: $first"
before=$(display)
echo "before: $before"
size_of() { read -r _ w _ <<<"$1"; echo "$w"; }
next_of() { case $1 in 40) echo 60 ;; 60) echo 80 ;; 80) echo 100 ;; 100) echo 40 ;; esac; }

"$WINE" "$COVERCTL" cover "$(winepath -w "$PWD/stop" 2>/dev/null)" </dev/null >cover.log 2>&1 &
cover_pid=$!
start=$(now_ms)
wait_until 7 is hidden || fail "the display window stays: $(display)"
echo "hidden after $(( $(now_ms) - start )) ms"
# Two more ticks fall due while covered; the window stays hidden all the while.
until [ $(( $(now_ms) - start )) -gt 12000 ]; do
  state=$(display)
  [[ $state == hidden* ]] || fail "shown again while covered: $state"
  sleep 0.5
done
touch stop
wait "$cover_pid" || true
wait_until 7 is visible || fail "no picture after the window closed: $(display)"
after=$(display)
echo "after: $after"
# The picture on show then (shown again) or the one after it (the next tick): the index did
# not move while covered.
b=$(size_of "$before") a=$(size_of "$after")
[ "$a" = "$b" ] || [ "$a" = "$(next_of "$b")" ] || fail "the slideshow moved on while covered: $before, then $after"

exit_velum
echo ok
