# The image list as a user builds it in the configuration window, with real clicks and
# keys where the list takes them and the system's own dialogs:
#  1. a first start with an empty list opens Add Image Files; three names chosen in a
#     folder give three rows in that order with their sizes, and OK stores them;
#  2. Add Image Folder with the sub-folder check box cleared stores a folder without them;
#  3. Top and Bottom on [A, B*, C, D*, E] (selected by click and Ctrl+click; the second
#     list comes from Load Image List); Ctrl+A and Shift+A select all and nothing, and
#     Ctrl+A selects all with the focus on the opacity list;
#  4. Delete removes rows 2 and 5 of 6;
#  5. Cancel after Clear brings the rows back and leaves the settings file as it was;
#  6. a Load that fails keeps the rows; a move without a selection says so; Save Image
#     List writes the rows in their order;
#  7. one thumbnail cell on the screen shows its picture.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
trap 'velumctl answer-box 1 >/dev/null 2>&1 || true; velum_cleanup' EXIT

LIST=1008
names() { velumctl list-rows $LIST | cut -d'|' -f1 | tr '\n' ' ' | sed 's/ $//'; }
# The stored image list: "name width height depth isFolder includeSubFolders" per entry.
stored() {
  velumctl_rc sync  # the window hides before it saves
  show_settings | grep -o '"path":"[^"]*","width":-\?[0-9]*,"height":-\?[0-9]*,"depth":-\?[0-9]*,"isFolder":[01],"includeSubFolders":-\?[0-9]*' |
    sed -E 's/"path":"([^"]*\\)?([^"\\]*)","width":(-?[0-9]*),"height":(-?[0-9]*),"depth":(-?[0-9]*),"isFolder":([01]),"includeSubFolders":(-?[0-9]*)/\2 \3 \4 \5 \6 \7/'
}
stored_names() { stored | cut -d' ' -f1 | tr '\n' ' ' | sed 's/ $//'; }
center_of() {  # center_of X Y W H
  echo "$(( $1 + $3 / 2 )) $(( $2 + $4 / 2 ))"
}
click_row() {  # click_row ROW [ctrl]: a click on the row's name
  local x y w h
  read -r x y w h < <(velumctl list-rect $LIST "$1")
  xdotool mousemove --sync $(( x + 20 )) $(( y + h / 2 ))
  if [ "${2:-}" = ctrl ]; then xdotool keydown ctrl click 1 keyup ctrl; else xdotool click 1; fi
}
click_dialog() {  # click_dialog ID
  local x y w h
  read -r x y w h < <(velumctl dialog-rect "$1")
  xdotool mousemove --sync $(center_of "$x" "$y" "$w" "$h") click 1
}
wait_for() {  # wait_for WANT COMMAND...: polls until the command prints WANT
  local want=$1 deadline=$(( $(date +%s) + 15 )) got
  shift
  while :; do
    got=$("$@")
    [ "$got" = "$want" ] && return 0
    [ "$(date +%s)" -lt "$deadline" ] || fail "'$*' printed '$got', expected '$want'"
    sleep 0.2
  done
}
settings_file() { echo "$(settings_dir)/vm.dat"; }
restart_with() {  # restart_with JSON-IMAGES
  if [ -n "$VELUM_PID" ]; then
    velumctl_rc command 32773
    wait_velum_exit 30 || fail "Exit did not end the program"
  fi
  # Details: the clicks aim at the rows' names.
  write_settings "{\"m_nInterval\":30,\"m_nListViewMode\":0,\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_images\":[$1]}"
  start_velum
  velumctl_rc wait-window 60 || fail "no main window"
  wait_state visible
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
# what exists when it opens), and a file that is no image list.
mkdir -p pics
make_bmp pics/c.bmp
convert -size 64x48 xc:green pics/a.jpg
convert -size 30x10 xc:red pics/b.tga
folder_unix="$WINEPREFIX/drive_c/velum-list-test"
mkdir -p "$folder_unix/sub"
printf 'not an image list' >junk.iml

# 1. A first start with an empty list: Add Image Files opens by itself.
restart_with ""
title=$(velumctl dialog-wait 30) || fail "Add Image Files did not open at the start"
echo "dialog at the start: $title"
# Into the pictures' folder, then three names in an order of the user's own.
choose_files "$TEST_TMP/pics" '"c.bmp" "a.jpg" "b.tga"'
want_rows="c.bmp|$(win "$TEST_TMP/pics")|2|2|24 bit|
a.jpg|$(win "$TEST_TMP/pics")|64|48|24 bit|
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
echo "add image files: ok"

# 2. Add Image Folder, the sub-folder check box cleared by a click.
velumctl_rc command 32771
wait_state visible
velumctl_rc command 32787
velumctl_rc dialog-wait 30 || fail "the folder browser did not open"
[ "$(velumctl dialog-check 1000)" = 1 ] || fail "the sub-folder check box is not checked at first"
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

# 3. Top on [A, B*, C, D*, E], then Bottom on the same rows loaded from a file.
five='{"path":"C:\\A.jpg"},{"path":"C:\\B.jpg"},{"path":"C:\\C.jpg"},{"path":"C:\\D.jpg"},{"path":"C:\\E.jpg"}'
restart_with "$five"
printf '<image list>\r\n<header>\r\n<ver>1.1</ver>\r\n</header>\r\n' >five.iml
for n in A B C D E; do printf '<image>\r\n<path>C:\\%s.jpg</path>\r\n</image>\r\n' $n >>five.iml; done
printf '</image list>' >>five.iml
click_row 1
click_row 3 ctrl
[ "$(velumctl list-selected $LIST)" = "1 3" ] || fail "selected by clicks: $(velumctl list-selected $LIST)"
velumctl_rc command 1023
wait_for "B.jpg D.jpg A.jpg C.jpg E.jpg" names
[ "$(velumctl list-selected $LIST)" = "0 1" ] || fail "Top lost the selection: $(velumctl list-selected $LIST)"
velumctl_rc command 1
wait_state hidden
[ "$(stored_names)" = "B.jpg D.jpg A.jpg C.jpg E.jpg" ] || fail "stored after Top: $(stored_names)"
velumctl_rc command 32771
wait_state visible
velumctl_rc command 32784
velumctl_rc dialog-wait 30 || fail "Load Image List did not open its dialog"
velumctl_rc dialog-set-text 1148 "$(win "$TEST_TMP/five.iml")"
velumctl_rc dialog-command 1
velumctl_rc dialog-gone 15 || fail "the load dialog did not close"
wait_for "A.jpg B.jpg C.jpg D.jpg E.jpg" names
click_row 1
click_row 3 ctrl
velumctl_rc command 1026
wait_for "A.jpg C.jpg E.jpg B.jpg D.jpg" names
# The list's keys: Ctrl+A selects every row; Shift+A none (its A selects no row by name).
xdotool key ctrl+a
wait_for "0 1 2 3 4" velumctl list-selected $LIST
xdotool key shift+a
wait_for "" velumctl list-selected $LIST
# Ctrl+A from another control: the opacity list, opened by a click and closed again.
read -r x y w h < <(velumctl item-rect 1010)
xdotool mousemove --sync $(center_of "$x" "$y" "$w" "$h") click 1
wait_for dropped velumctl dropped 1010
xdotool key Escape
wait_for closed velumctl dropped 1010
xdotool key ctrl+a
wait_for "0 1 2 3 4" velumctl list-selected $LIST
velumctl_rc command 1
wait_state hidden
[ "$(stored_names)" = "A.jpg C.jpg E.jpg B.jpg D.jpg" ] || fail "stored after Bottom: $(stored_names)"
echo "top, bottom and keys: ok"

# 4. Delete removes rows 2 and 5 of 6.
restart_with "$five"',{"path":"C:\\F.jpg"}'
click_row 1
click_row 4 ctrl
xdotool key Delete
wait_for "A.jpg C.jpg D.jpg F.jpg" names
velumctl_rc command 1
wait_state hidden
[ "$(stored_names)" = "A.jpg C.jpg D.jpg F.jpg" ] || fail "stored after Remove: $(stored_names)"
echo "remove: ok"

# 5. Cancel after Clear: the rows come back, the settings file stays as it was.
before=$(md5sum <"$(settings_file)")
velumctl_rc command 32771
wait_state visible
velumctl_rc command 1011
wait_for 0 velumctl list-count $LIST
velumctl_rc command 2
wait_state hidden
[ "$(md5sum <"$(settings_file)")" = "$before" ] || fail "Cancel after Clear changed the settings file"
velumctl_rc command 32771
wait_state visible
[ "$(names)" = "A.jpg C.jpg D.jpg F.jpg" ] || fail "rows after Cancel: $(names)"
echo "cancel after clear: ok"

# 6. A Load that fails shows "0003" and keeps the rows; Save writes them in their order.
velumctl_rc command 32784
velumctl_rc dialog-wait 30 || fail "Load Image List did not open its dialog"
velumctl_rc dialog-set-text 1148 "$(win "$TEST_TMP/junk.iml")"
velumctl_rc dialog-command 1
out=$(velumctl answer-box 30) || fail "no message for a file that is no image list"
[ "$out" = "$(printf 'Failed in loading image list' | od -An -tx1 | tr -d ' \n')" ] || fail "message: $out"
[ "$(names)" = "A.jpg C.jpg D.jpg F.jpg" ] || fail "a failed Load changed the rows: $(names)"
# A move without a selection says so.
velumctl_rc command 1025
out=$(velumctl answer-box 30) || fail "no message for Down without a selection"
[ "$out" = "$(printf 'You should select one or more image files in the list first' | od -An -tx1 | tr -d ' \n')" ] ||
  fail "message: $out"
velumctl_rc command 32783
velumctl_rc dialog-wait 30 || fail "Save Image List did not open its dialog"
velumctl_rc dialog-set-text 1148 "$(win "$TEST_TMP/saved")"
velumctl_rc dialog-command 1
velumctl_rc dialog-gone 15 || fail "the save dialog did not close"
deadline=$(( $(date +%s) + 15 ))
until [ -f saved.iml ]; do
  [ "$(date +%s)" -lt "$deadline" ] || fail "saved.iml was not written"
  sleep 0.2
done
[ "$(grep -o '<path>[^<]*' saved.iml | tr '\n' ' ')" = '<path>C:\A.jpg <path>C:\C.jpg <path>C:\D.jpg <path>C:\F.jpg ' ] ||
  fail "saved: $(cat saved.iml)"
velumctl_rc command 1
wait_state hidden
[ "$(stored_names)" = "A.jpg C.jpg D.jpg F.jpg" ] || fail "stored after the failed Load: $(stored_names)"
echo "load and save: ok"

# 7. One thumbnail cell on the screen shows its picture; a text file named .jpg counts as
#    unreadable and gets an icon.
velumctl_rc command 32773
wait_velum_exit 30 || fail "Exit did not end the program"
WM_THUMBNAIL_COUNT=2045  # WM_USER + 1021
convert -size 240x160 "xc:rgb(0,160,0)" BMP3:green.bmp
echo "not a picture" >notes.jpg
entry() { echo "{\"path\":\"$(win "$TEST_TMP/$1" | sed 's/\\/\\\\/g')\",\"width\":$2,\"height\":$3,\"depth\":$4,\"isFolder\":0,\"includeSubFolders\":0}"; }
write_settings "{\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0,\"m_nListViewMode\":1,\"m_nThumbWidth\":128,\"m_nThumbHeight\":128,\"m_images\":[$(entry green.bmp 240 160 24),$(entry notes.jpg 0 0 0)]}"
start_velum
velumctl_rc wait-window 60 || fail "no main window after the restart"
wait_state visible
count() { velumctl message $WM_THUMBNAIL_COUNT "$1" 0; }
made() { [ "$(count 0)" = 1 ]; }
wait_until 30 made || fail "thumbnails made: $(count 0) of 1"
[ "$(count 1)" = 1 ] || fail "rows the plug-in could not read: $(count 1), want 1"
velumctl_rc sync
read -r x y w h < <(velumctl list-icon-rect $LIST 0)
wait_colour $(( x + w / 2 )) $(( y + h / 2 )) 0 160 0 "the thumbnail cell"
echo "thumbnail cell: ok"

# 8. A picture named outside the code page, chosen in the system's open dialog, keeps its
#    real name in the list and in the settings.
convert -size 20x10 xc:blue 'pics/Ωμέγα 日本.bmp'
restart_with ""
velumctl_rc dialog-wait 30 || fail "Add Image Files did not open for the Unicode name"
choose_files "$TEST_TMP/pics" '"Ωμέγα 日本.bmp"'
rows=$(velumctl list-rows $LIST)
[ "$rows" = "Ωμέγα 日本.bmp|$(win "$TEST_TMP/pics")|20|10|24 bit|" ] || fail "row of the Unicode name: $rows"
velumctl_rc command 1
wait_state hidden
show_settings | grep -qF '{"unicode":' || fail "the name was not stored in its Unicode form: $(show_settings)"
echo "unicode name: ok"
echo ok
