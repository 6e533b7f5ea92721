# The Thumbnails view through the real window: six pictures of known colours and a text
# file named .jpg; each picture's cell on the screen shows its colour, the text file its
# icon; the menu's Details and Thumbnails switch the view and the choice is saved.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
trap velum_cleanup EXIT

LIST=1008
WM_THUMBNAIL_COUNT=2045  # WM_USER + 1021
colours=("255 0 0" "0 160 0" "0 0 255" "255 200 0" "0 200 200" "128 0 128")
images=""
for i in "${!colours[@]}"; do
  read -r r g b <<<"${colours[$i]}"
  convert -size 240x160 "xc:rgb($r,$g,$b)" "BMP3:pic$i.bmp"
  images+="{\"path\":\"$("$WINE" winepath -w "$TEST_TMP/pic$i.bmp" 2>/dev/null | tr -d '\r' | sed 's/\\/\\\\/g')\",\"width\":240,\"height\":160,\"depth\":24,\"isFolder\":0,\"includeSubFolders\":0},"
done
echo "not a picture" >notes.jpg
images+="{\"path\":\"$("$WINE" winepath -w "$TEST_TMP/notes.jpg" 2>/dev/null | tr -d '\r' | sed 's/\\/\\\\/g')\",\"width\":0,\"height\":0,\"depth\":0,\"isFolder\":0,\"includeSubFolders\":0}"
write_settings "{\"m_nInterval\":30,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_nListViewMode\":1,\"m_nThumbWidth\":128,\"m_nThumbHeight\":128,\"m_images\":[$images]}"
start_velum
velumctl_rc wait-window 60 || fail "no main window"
wait_state visible
# Room for every cell: the bottom-right corner dragged out (a maximized window is not
# redrawn at its new size by Wine without a window manager).
read -r x y w h < <(velumctl rect)
xdotool mousemove --sync $(( x + w - 2 )) $(( y + h - 2 ))
xdotool mousedown 1
xdotool mousemove --sync $(( x + w + 300 )) $(( y + h + 250 ))
xdotool mouseup 1
xdotool mousemove 0 0

count() { velumctl message $WM_THUMBNAIL_COUNT "$1" 0; }
made() { [ "$(count 0)" = "$1" ]; }
wait_until 30 made 6 || fail "thumbnails made: $(count 0) of 6"
[ "$(count 1)" = 1 ] || fail "rows the plug-in could not read: $(count 1), want 1"
echo "6 thumbnails, 1 icon"

velumctl_rc sync
for i in "${!colours[@]}"; do
  read -r x y w h < <(velumctl list-icon-rect $LIST "$i")
  read -r r g b <<<"${colours[$i]}"
  wait_colour $(( x + w / 2 )) $(( y + h / 2 )) "$r" "$g" "$b" "cell $i"
done
# The text file's cell shows an icon on the window's background, not a picture.
read -r x y w h < <(velumctl list-icon-rect $LIST 6)
shot
[ "$(px $(( x + 8 )) $(( y + 8 )))" = "$(px $(( x + w - 8 )) $(( y + 8 )))" ] || fail "cell 6 is not empty around its icon"

# Details and back: the thumbnails stay made; the mode is saved.
velumctl_rc command 32776
one_column() { [ "$(velumctl list-rect $LIST 1 | cut -d' ' -f1)" = "$(velumctl list-rect $LIST 0 | cut -d' ' -f1)" ]; }
wait_until 10 one_column || fail "Details does not put the rows under each other"
velumctl_rc command 32777
velumctl_rc sync
[ "$(count 0)" = 6 ] || fail "thumbnails after Details and back: $(count 0)"
velumctl_rc command 32776
velumctl_rc command 1  # OK saves
velumctl_rc sync
details_saved() { show_settings | grep -q '"m_nListViewMode":0'; }
wait_until 10 details_saved || fail "Details was not saved"
echo "Details saved"
