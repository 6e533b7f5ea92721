# Between two ticks the running program takes no processor time: its CPU time over a
# 15-second stretch with no tick due stays under 1 %.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

make_bmp "$TEST_TMP/p.bmp"
win=$(winepath -w "$TEST_TMP/p.bmp" | sed 's/\\/\\\\/g')
write_settings "{\"m_nInterval\":120,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,
  \"m_images\":[{\"path\":\"$win\",\"isFolder\":0,\"includeSubFolders\":0}]}"
start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
velumctl_rc sync
sleep 3  # let start-up work settle
[ -r "/proc/$VELUM_PID/stat" ] || fail "no process $VELUM_PID"
tr '\0' ' ' <"/proc/$VELUM_PID/cmdline"; echo
hz=$(getconf CLK_TCK)
before=$(cpu_ticks "$VELUM_PID")
sleep 15
after=$(cpu_ticks "$VELUM_PID")
used_ms=$(( (after - before) * 1000 / hz ))
echo "CPU time of velum.exe over 15 s idle: ${used_ms} ms"
[ "$used_ms" -le 150 ] || fail "idle program used ${used_ms} ms of CPU in 15 s"
echo ok
