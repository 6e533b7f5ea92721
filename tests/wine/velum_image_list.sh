# The image list with the system's own dialogs and real input: a first start with an empty
# list opens Add Image Files, where names chosen in a folder (one outside the code page)
# give rows in that order with their sizes, and OK stores them; the folder browser with
# its sub-folder check box cleared; Ctrl+A typed with the focus on the opacity list
# selects every row; Save Image List writes the rows in their order; one thumbnail cell on
# the screen shows its picture.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
trap 'velumctl answer-box 1 >/dev/null 2>&1 || true; velum_cleanup' EXIT

LIST=1008
# The stored image list: "name width height depth isFolder includeSubFolders" per entry.
stored() {
  velumctl_rc sync  # the window hides before it saves
  show_settings | grep -o '"path":"[^"]*","width":-\?[0-9]*,"height":-\?[0-9]*,"depth":-\?[0-9]*,"isFolder":[01],"includeSubFolders":-\?[0-9]*' |
    sed -E 's/"path":"([^"]*\\)?([^"\\]*)","width":(-?[0-9]*),"height":(-?[0-9]*),"depth":(-?[0-9]*),"isFolder":([01]),"includeSubFolders":(-?[0-9]*)/\2 \3 \4 \5 \6 \7/'
}
center_of() { echo "$(( $1 + $3 / 2 )) $(( $2 + $4 / 2 ))"; }  # center_of X Y W H
click_dialog() {  # click_dialog ID
  local x y w h
  read -r x y w h < <(velumctl dialog-rect "$1")
  xdotool mousemove --sync $(center_of "$x" "$y" "$w" "$h") click 1
}
win() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }
# In the open dialog that shows: into FOLDER, then NAMES as the file name text, and OK.
choose_files() {  # choose_files FOLDER NAMES
  velumctl_rc dialog-set-text 1148 "$(win "$1")"
  velumctl_rc dialog-command 1
  sleep 1
  velumctl_rc dialog-set-text 1148 "$2"
  velumctl_rc dialog-command 1
  velumctl_rc dialog-gone 15 || fail "the open dialog did not close"
}

# Pictures of known sizes, a folder on drive C: for the folder browser (which finds only
# what exists when it opens).
mkdir -p pics
make_bmp pics/c.bmp
convert -size 64x48 xc:green pics/a.jpg
convert -size 30x10 xc:red pics/b.tga
convert -size 20x10 xc:blue 'pics/Ωμέγα 日本.bmp'
folder_unix="$WINEPREFIX/drive_c/velum-list-test"
mkdir -p "$folder_unix/sub"

# 1. A first start with an empty list: Add Image Files opens by itself.
write_settings '{"m_nInterval":30,"m_nListViewMode":0,"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_images":[]}'
launch_velum
wait_state visible
title=$(velumctl dialog-wait 30) || fail "Add Image Files did not open at the start"
echo "dialog at the start: $title"
# Into the pictures' folder, then four names in an order of the user's own.
choose_files "$TEST_TMP/pics" '"c.bmp" "a.jpg" "Ωμέγα 日本.bmp" "b.tga"'
want_rows="c.bmp|$(win "$TEST_TMP/pics")|2|2|24 bit|
a.jpg|$(win "$TEST_TMP/pics")|64|48|24 bit|
Ωμέγα 日本.bmp|$(win "$TEST_TMP/pics")|20|10|24 bit|
b.tga|$(win "$TEST_TMP/pics")|30|10|24 bit|"
# The sizes fill in as the header thread reads them.
rows_are() { rows=$(velumctl list-rows $LIST); [ "$rows" = "$1" ]; }
wait_until 20 rows_are "$want_rows" || fail "rows after Add Image Files: $rows"
echo "$rows"
velumctl_rc command 1
wait_state hidden
[ "$(stored)" = "c.bmp 2 2 24 0 0
a.jpg 64 48 24 0 0
b.tga 30 10 24 0 0" ] || fail "stored after OK: $(stored)"
show_settings | grep -qF '{"unicode":' || fail "the name outside the code page was not stored whole: $(show_settings)"
echo "add image files: ok"

# 2. Add Image Folder, the sub-folder check box cleared by a click.
velumctl_rc command 32771
wait_state visible
velumctl_rc command 32787
velumctl_rc dialog-wait 30 || fail "the folder browser did not open"
velumctl_rc browse-select 'C:\velum-list-test'
click_dialog 1000
wait_for 0 velumctl dialog-check 1000
click_dialog 1
velumctl_rc dialog-gone 15 || fail "the folder browser did not close"
[ "$(velumctl list-rows $LIST | tail -n1)" = "velum-list-test|C:||||No" ] ||
  fail "folder row: $(velumctl list-rows $LIST | tail -n1)"
velumctl_rc command 1
wait_state hidden
[ "$(stored | tail -n1)" = "velum-list-test 0 0 0 1 0" ] || fail "stored folder: $(stored | tail -n1)"
echo "add image folder: ok"

# 3. Ctrl+A typed with the focus on the opacity list (opened by a click and closed again)
#    selects every row; Save Image List writes the rows in their order.
velumctl_rc command 32771
wait_state visible
read -r x y w h < <(velumctl item-rect 1010)
xdotool mousemove --sync $(center_of "$x" "$y" "$w" "$h") click 1
wait_for dropped velumctl dropped 1010
xdotool key Escape
wait_for closed velumctl dropped 1010
xdotool key ctrl+a
wait_for "0 1 2 3 4" velumctl list-selected $LIST
velumctl_rc command 32783
velumctl_rc dialog-wait 30 || fail "Save Image List did not open its dialog"
velumctl_rc dialog-set-text 1148 "$(win "$TEST_TMP/saved")"
velumctl_rc dialog-command 1
velumctl_rc dialog-gone 15 || fail "the save dialog did not close"
wait_until 15 test -f saved.iml || fail "saved.iml was not written"
[ "$(grep -o '<path>[^<]*' saved.iml | sed 's/.*\\//' | tr '\n' ' ')" = 'c.bmp a.jpg Ωμέγα 日本.bmp b.tga velum-list-test ' ] ||
  fail "saved: $(cat saved.iml)"
echo "keys and save: ok"

# 4. One thumbnail cell on the screen shows its picture.
exit_velum
WM_THUMBNAIL_COUNT=2045  # WM_USER + 1021
convert -size 240x160 "xc:rgb(0,160,0)" BMP3:green.bmp
entry() { echo "{\"path\":\"$(win "$TEST_TMP/$1" | sed 's/\\/\\\\/g')\",\"width\":$2,\"height\":$3,\"depth\":$4,\"isFolder\":0,\"includeSubFolders\":0}"; }
write_settings "{\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_nListViewMode\":1,\"m_nThumbWidth\":128,\"m_nThumbHeight\":128,\"m_images\":[$(entry green.bmp 240 160 24)]}"
launch_velum
wait_state visible
count() { velumctl message $WM_THUMBNAIL_COUNT "$1" 0; }
made() { [ "$(count 0)" = 1 ]; }
wait_until 30 made || fail "thumbnails made: $(count 0) of 1"
velumctl_rc sync
read -r x y w h < <(velumctl list-icon-rect $LIST 0)
wait_colour $(( x + w / 2 )) $(( y + h / 2 )) 0 160 0 "the thumbnail cell"
echo "thumbnail cell: ok"

echo ok
