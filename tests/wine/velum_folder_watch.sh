# velum.exe shows the pictures of a listed folder and its sub-folders, and takes in
# pictures added later once the folder has been quiet for five seconds.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

mkdir -p pics/sub
make_bmp pics/sub/one.bmp
: > pics/notes.txt
win=$(winepath -w "$TEST_TMP/pics" | sed 's/\\/\\\\/g')
write_settings "{\"m_nInterval\":5,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_nNextIndex\":-1,
  \"m_images\":[{\"path\":\"$win\",\"isFolder\":1,\"includeSubFolders\":1}]}"

start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
t_found=$(now_ms)
velumctl_rc sync

# With one picture every tick shows index 0 and keeps the next index at 1. Four more
# pictures in the sub-folder: the worker rebuilds at the first tick more than 5 s after
# the change, and the ticks after that reach index 2 at about 20 s. The time leaves one
# more tick of room for a loaded machine; five pictures keep the index from wrapping.
sleep_until_ms $((t_found + 1500))
for name in two three four five; do make_bmp "pics/sub/$name.bmp"; done
sleep_until_ms $((t_found + 28000))
run_velum -u || fail "-u did not end by itself"
wait_velum_exit 30 || fail "-u did not end the running instance"

json=$(show_settings) || fail "no settings file"
next=$(json_field "$json" m_nNextIndex)
echo "m_nNextIndex=$next"
[ "$next" -ge 2 ] || fail "the added pictures were not taken in (m_nNextIndex $next)"

echo ok
