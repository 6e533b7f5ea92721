# Between two ticks the running program takes no processor time (under 1 % over 15 s with
# no tick due). Log-off then ends the process without destroying its window: the settings
# are saved when the session ends, so the next start goes on where this one stopped.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

mkdir pics
for i in 0 1 2; do
  make_bmp "pics/p$i.bmp"
done
images=$(picture_entries pics/p*.bmp)
# The longest interval: only the commands below move the slideshow on.
write_settings "{\"m_nInterval\":1000,\"m_nOpacity\":40,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_images\":[$images]}"
launch_velum -r
velumctl_rc sync
sleep 3  # let start-up work settle
[ -r "/proc/$VELUM_PID/stat" ] || fail "no process $VELUM_PID"
hz=$(getconf CLK_TCK)
before=$(cpu_ticks "$VELUM_PID")
sleep 15
after=$(cpu_ticks "$VELUM_PID")
used_ms=$(( (after - before) * 1000 / hz ))
echo "CPU time of velum.exe over 15 s idle: ${used_ms} ms"
[ "$used_ms" -le 150 ] || fail "idle program used ${used_ms} ms of CPU in 15 s"

# Index 0 is shown at the start; two Next and one Increase Opacity follow.
for command in 32789 32789 32790; do velumctl_rc command $command || fail "cannot post $command"; done
velumctl_rc sync
[ "$(json_field "$(show_settings)" m_nNextIndex)" = -1 ] || fail "the settings were saved before the session ended"
timeout 60 "$WINE" wineboot --end-session </dev/null >/dev/null 2>&1 || echo "wineboot --end-session: exit $?"
deadline=$(( $(date +%s) + 20 ))
until [ "$(json_field "$(show_settings)" m_nNextIndex)" = 3 ]; do
  [ "$(date +%s)" -lt "$deadline" ] || fail "after the session ended the settings hold $(show_settings)"
  sleep 0.2
done
[ "$(json_field "$(show_settings)" m_nOpacity)" = 45 ] || fail "the opacity change was not saved"
kill -0 "$VELUM_PID" 2>/dev/null && echo "velum.exe runs on after the session ended" || echo "velum.exe ended with the session"
echo ok
