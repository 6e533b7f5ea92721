# A second start leaves one instance and brings up the first one's configuration window, in
# front. (Which Run key autostart writes is tested in process.)
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

write_settings '{"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_images":[{"path":"C:\\a.jpg"}]}'
launch_velum -r
velumctl_rc sync || fail "main window does not answer"
wait_state hidden  # it hides on a message it posts itself; a sent one may come first

run_velum || fail "second start did not end by itself"
velumctl_rc sync
[ "$(velumctl count)" = 1 ] || fail "expected one main window, found $(velumctl count)"
# The first instance takes the posted command, and Wine activates the window, on their own time.
shown() { [ "$(velumctl visible)" = visible ]; }
front() { [ "$(velumctl foreground)" = front ]; }
wait_until 10 shown || fail "second start did not show the configuration window"
wait_until 10 front || fail "the configuration window is not in front"
kill -0 "$VELUM_PID" || fail "first instance ended"
exit_velum
echo ok
