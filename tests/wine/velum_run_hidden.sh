# "-r" starts hidden and moves on at every tick; "-u" ends the running instance, which saves
# its settings (with the index it reached) on the way out, and the next start goes on from there.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

mkdir pics
for i in 0 1 2 3 4 5 6 7 8 9; do
  make_bmp "pics/p$i.bmp"
done
images=$(picture_entries pics/p*.bmp)
write_settings "{\"m_nInterval\":5,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_images\":[$images]}"

t0=$(now_ms)
launch_velum -r
t_found=$(now_ms)
# The window hides on a message it posts itself; a sent one may come first.
wait_state hidden

# The picture shown at start-up is index 0; each 5 s tick then advances the next index.
sleep_until_ms $((t_found + 12500))
t_quit=$(now_ms)
end_by_u
t_gone=$(now_ms)

json=$(show_settings) || fail "no settings file after -u"
next=$(json_field "$json" m_nNextIndex)
lo=$((1 + (t_quit - t_found) / 5000))
hi=$((1 + (t_gone - t0) / 5000))
echo "m_nNextIndex=$next after $((t_quit - t_found)) ms (expected $lo..$hi)"
[ "$next" -ge "$lo" ] && [ "$next" -le "$hi" ] || fail "m_nNextIndex $next, expected $lo..$hi"
[ "$lo" -ge 3 ] || fail "the test itself ran too slowly to see two ticks"

# The next start goes on where this one stopped: it shows $next, then Next (which restarts
# the interval, so the count lands exactly).
launch_velum -r
velumctl_rc sync
velumctl_rc command 32789
velumctl_rc sync
end_by_u
after=$(json_field "$(show_settings)" m_nNextIndex)
[ "$after" -eq $((next + 2)) ] || fail "second run: m_nNextIndex $after, expected $((next + 2))"

echo ok
