# velum.exe shows the pictures of a listed folder and its sub-folders, and takes in a
# picture added later to a sub-folder that existed before it started. Names outside the
# code page (1252 here) work: pictures, a sub-folder, and the settings folder itself.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

mkdir -p pics/sub
convert -size 400x300 xc:'rgb(255,0,0)' pics/sub/one.bmp
: > pics/notes.txt
win=$(winepath -w "$TEST_TMP/pics" | sed 's/\\/\\\\/g')
write_settings "{\"m_nInterval\":5,\"m_nSequence\":0,\"m_nSizeMode\":3,\"m_nOpacity\":100,\"m_nFadeMs\":0,
  \"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_nNextIndex\":-1,
  \"m_region\":{\"m_nWidth\":400,\"m_nHeight\":300,\"m_nLeft\":100,\"m_nTop\":50,\"m_nFitMode\":0,\"m_nPositionMode\":1},
  \"m_images\":[{\"path\":\"$win\",\"isFolder\":1,\"includeSubFolders\":1}]}"

launch_velum -r
wait_colour 300 200 255 0 0 "the sub-folder's picture"

# Only a rebuild after the change notification brings blue in: with one picture every
# tick shows red again. Five quiet seconds, a tick, and up to three ticks to reach the new
# picture: a minute leaves room for a slow machine.
WAIT_COLOUR_S=60
convert -size 400x300 xc:'rgb(0,0,255)' pics/sub/two.bmp
wait_colour 300 200 0 0 255 "the picture added later"
# The notification is armed again: a second change is noticed too.
convert -size 400x300 xc:'rgb(0,255,0)' pics/sub/three.bmp
wait_colour 300 200 0 255 0 "the picture added after that"

end_by_u
echo "folder watch: ok"

# Every picture of a folder named outside the code page, its sub-folder's too, appears in
# turn; the settings come from, and are saved to, an application data folder outside the
# code page, and are read again at the next start.
mkdir -p 'uni/Zdjęcia' 'Użytkownik Ωμέγα/AppData'
convert -size 400x300 xc:'rgb(255,0,0)' uni/plain.bmp
convert -size 400x300 xc:'rgb(0,255,0)' 'uni/Ωμέγα.bmp'
convert -size 400x300 xc:'rgb(0,0,255)' 'uni/日本.bmp'
convert -size 400x300 xc:'rgb(255,255,0)' 'uni/Zdjęcia/lato.bmp'
appdata=$(winepath -w "$TEST_TMP/Użytkownik Ωμέγα/AppData")
# The prefix serves the scripts after this one too: its application data folder goes back.
shell_folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
old_appdata=$("$WINE" reg query "$shell_folders" /v AppData </dev/null 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *AppData *REG_EXPAND_SZ *//p')
[ -n "$old_appdata" ] || fail "no application data folder to put back"
restore_appdata() {
  "$WINE" reg add "$shell_folders" /v AppData /t REG_EXPAND_SZ /d "$old_appdata" /f </dev/null >/dev/null 2>&1
}
trap 'velum_cleanup; restore_appdata' EXIT
"$WINE" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' /v AppData \
  /t REG_EXPAND_SZ /d "$appdata" /f </dev/null >/dev/null 2>&1 || fail "cannot point AppData elsewhere"
dir="$TEST_TMP/Użytkownik Ωμέγα/AppData/Velum"
mkdir -p "$dir"
uni=$(winepath -w "$TEST_TMP/uni" | sed 's/\\/\\\\/g')
tool settings write "$appdata\\Velum\\vm.dat" <<<"{\"m_nInterval\":2,\"m_nSequence\":0,\"m_nSizeMode\":3,\"m_nOpacity\":100,
  \"m_nFadeMs\":0,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_nNextIndex\":-1,
  \"m_region\":{\"m_nWidth\":400,\"m_nHeight\":300,\"m_nLeft\":100,\"m_nTop\":50,\"m_nFitMode\":0,\"m_nPositionMode\":1},
  \"m_images\":[{\"path\":\"$uni\",\"isFolder\":1,\"includeSubFolders\":1}]}" || fail "velum-tool settings write"
cp "$dir/vm.dat" written.dat
launch_velum -r
WAIT_COLOUR_S=40
wait_colour 300 200 255 0 0 "plain.bmp"
wait_colour 300 200 0 255 0 "Ωμέγα.bmp"
wait_colour 300 200 0 0 255 "日本.bmp"
wait_colour 300 200 255 255 0 "Zdjęcia\\lato.bmp"
end_by_u
! cmp -s written.dat "$dir/vm.dat" || fail "nothing was saved in $dir"
ls "$dir" | grep -q '\.bad' && fail "the settings file was set aside: $(ls "$dir")"
launch_velum -r
wait_colour 300 200 0 0 255 "日本.bmp after the restart"
# A save that fails names the file with its folder outside the code page whole.
mkdir "$dir/vm.dat.new"
velumctl_rc command 32771
wait_state visible
velumctl_rc set-text 1017 7
velumctl_rc command 1
out=$(velumctl --utf8 answer-box 30) || fail "no message for the failed save"
[[ $out == *'Użytkownik Ωμέγα\AppData\Velum\vm.dat'* ]] || fail "the failed save names: $out"
rmdir "$dir/vm.dat.new"
end_by_u
ls "$dir" | grep -q '\.bad' && fail "the saved settings file was set aside: $(ls "$dir")"
echo ok
