# A second start leaves one instance and brings up the first one's configuration window.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

write_settings '{"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_images":[{"path":"C:\\a.jpg"}]}'
start_velum -r
velumctl_rc wait-window 60 || fail "no main window after start"
velumctl_rc sync || fail "main window does not answer"
# WM_CLOSE below must write it anew.
rm -f "$(settings_dir)/vm.dat"
[ "$(velumctl visible)" = hidden ] || fail "started with -r but the window is $(velumctl visible)"

run_velum || fail "second start did not end by itself"
velumctl_rc sync
[ "$(velumctl count)" = 1 ] || fail "expected one main window, found $(velumctl count)"
# The first instance takes the posted command, and Wine activates the window, on their own time.
shown() { [ "$(velumctl visible)" = visible ]; }
front() { [ "$(velumctl foreground)" = front ]; }
wait_until 10 shown || fail "second start did not show the configuration window"
wait_until 10 front || fail "the configuration window is not in front"
kill -0 "$VELUM_PID" || fail "first instance ended"

# A third start while the window is open changes nothing either.
run_velum
[ "$(velumctl count)" = 1 ] || fail "third start: $(velumctl count) windows"

# Closing the window acts as OK: it hides, saves and carries on.
velumctl_rc message 16 || fail "WM_CLOSE not answered"
[ "$(velumctl visible)" = hidden ] || fail "WM_CLOSE left the window open"
[ -f "$(settings_dir)/vm.dat" ] || fail "WM_CLOSE did not save the settings"
kill -0 "$VELUM_PID" || fail "WM_CLOSE ended the program"

velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 30 || fail "Exit did not end the program"
velumctl_rc wait-gone 10 || fail "window still there after Exit"
echo "ok"
