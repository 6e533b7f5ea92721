# The preferences sheet with the real mouse and keyboard. While it is open the program's
# hotkeys are free for others; Cancel after changing the controls leaves the settings file
# byte for byte; OK stores 256 x 256, start with Windows (and writes the Run value), no
# update check and a new Enable/Disable hotkey, which then works while the old one is free;
# Ctrl + Shift + Page Down typed into a hotkey field is taken as a hotkey, not a page turn.
# An edit pending in the configuration window survives the sheet's save. Configure and a
# second Preferences while the sheet is open keep the one sheet; Exit and "-u" close it first.
# "-u" while the quick setup wizard asks whether to cancel ends the program within 3 s, using
# no processor time meanwhile, and the language chosen in the wizard is not stored.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
. "$SOURCE_DIR/tests/wine/sheet-common.bash"
cd "$TEST_TMP"
checksum() { md5sum <"$(settings_dir)/vm.dat" | cut -d' ' -f1; }

write_settings '{"m_nInterval":1000,"m_bCheckUpdate":1,"m_bRefreshSites":0,"m_bAutoStart":0,
  "m_nThumbWidth":100,"m_nThumbHeight":100,
  "m_images":[{"path":"C:\\a.jpg"},{"path":"C:\\b.jpg"},{"path":"C:\\c.jpg"}]}'
start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
velumctl_rc sync

# 1. Open: the hotkeys are free; Cancel after changes leaves the file as it was.
sum=$(checksum)
velumctl_rc command 32775
sheetctl_rc wait 30 || fail "Preferences did not open the sheet"
[ "$(sheetctl title)" = Preferences ] || fail "caption: $(sheetctl title)"
[ "$(sheetctl shown 12321)" = hidden ] && [ "$(sheetctl shown 9)" = hidden ] || fail "Apply or Help is shown"
sheet_expect "stored 100" "4 128 x 128" combo 1056
home_is_free || fail "Ctrl + Alt + Home is held while the sheet is open"
sheet_click 1053
sheet_click 1034
sheet_keys 1056 Home Return
sheet_expect "size chosen" "0 32 x 32" combo 1056
sheet_click 2
sheetctl_rc gone 30 || fail "Cancel did not close the sheet"
velumctl_rc sync
[ "$(checksum)" = "$sum" ] || fail "Cancel changed the settings file"
velumctl_rc hotkeys-taken || fail "the hotkeys are not registered again after Cancel"
echo "cancel: ok"

# 2. OK with new values, a hotkey typed in, and Ctrl + Shift + Page Down in a hotkey field.
velumctl_rc command 32775
sheetctl_rc wait 30 || fail "Preferences did not open the sheet again"
sheet_click 1053
sheet_click 1034
sheet_keys 1056 End Return
sheet_expect "size chosen" "6 256 x 256" combo 1056
sheet_keys 1050 ctrl+Tab
sheet_expect "Ctrl + Tab" 1 page
sheet_keys 1040 ctrl+alt+End
value=$(sheetctl hotkey 1040)
[ $(( value & 255 )) = 35 ] && [ $(( value >> 8 & 6 )) = 6 ] || fail "Ctrl + Alt + End not taken: $value"
sheet_keys 1041 ctrl+shift+Next
[ "$(sheetctl page)" = 1 ] || fail "Ctrl + Shift + Page Down turned the page"
pd=$(sheetctl hotkey 1041)
[ $(( pd & 255 )) = 34 ] && [ $(( pd >> 8 & 3 )) = 3 ] || fail "Ctrl + Shift + Page Down not taken: $pd"
sheet_click 1
sheetctl_rc gone 30 || fail "OK did not close the sheet"
velumctl_rc sync
json=$(show_settings)
[ "$(json_field "$json" m_nThumbWidth)" = 256 ] && [ "$(json_field "$json" m_nThumbHeight)" = 256 ] ||
  fail "thumbnail size not stored: $json"
[ "$(json_field "$json" m_bAutoStart)" = 1 ] || fail "start with Windows not stored"
[ "$(json_field "$json" m_bCheckUpdate)" = 0 ] || fail "update check not turned off"
grep -qF "$(hotkey_json "$value")" <<<"$json" || fail "Enable/Disable hotkey $value not stored: $json"
grep -qF "$(hotkey_json "$pd")" <<<"$json" || fail "Increase Opacity hotkey $pd not stored: $json"
run=$(run_value)
echo "Run value: $run"
grep -qi 'velum.exe" -r' <<<"$run" || fail "the Run value was not written"
home_is_free || fail "the old Ctrl + Alt + Home is still held"
# The new combination works: it turns the slideshow off.
velumctl_rc command 32771
read -r x y w h < <(velumctl rect)
xdotool mousemove --sync $(( x + w / 2 )) $(( y + h / 2 ))
xdotool key ctrl+alt+End
velumctl_rc sync
echo "ok and hotkeys: ok"

# 3. An edit pending in the configuration window survives the sheet's save; a second
# Preferences or Configure while the sheet is open keeps the one sheet; Exit closes it first.
velumctl_rc select 1010 9
velumctl_rc command 32775
sheetctl_rc wait 30 || fail "no sheet over the configuration window"
sheet_click 1
sheetctl_rc gone 30 || fail "OK did not close the sheet"
velumctl_rc command 32775
sheetctl_rc wait 30 || fail "no sheet"
velumctl_rc command 32771
velumctl_rc command 32775
sleep 1
[ "$(sheetctl count)" = 1 ] || fail "a second sheet opened"
velumctl_rc command 32773
wait_velum_exit 30 || fail "Exit with the sheet open did not end the program"
json=$(show_settings)
[ "$(json_field "$json" m_nOpacity)" = 50 ] || fail "the sheet's save dropped the pending opacity: $json"
[ "$(json_field "$json" m_bEnabled)" = 0 ] || fail "Ctrl + Alt + End did not turn the slideshow off"
[ "$(json_field "$json" m_nThumbWidth)" = 256 ] || fail "Exit with the sheet open lost the settings"
echo "pending edits and exit with the sheet open: ok"

# 4. Configure brings the open sheet forward instead of the window; "-u" with the sheet open
# ends the program and removes the Run value.
start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
velumctl_rc command 32775
sheetctl_rc wait 30 || fail "no sheet"
velumctl_rc command 32771
velumctl_rc sync
[ "$(velumctl visible)" = hidden ] || fail "Configure opened the window behind the sheet"
run_velum -u || fail "-u did not end"
wait_velum_exit 30 || fail "-u with the sheet open did not end the program"
[ -z "$(run_value)" ] || fail "-u left the Run value"
echo "-u with the sheet open: ok"

# 5. Quick Setup from the menu, Deutsch on its language page, Esc: the question shows; "-u".
box_shows() { [ -n "$(velumctl boxes)" ]; }
start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
velumctl_rc command 32792
sheetctl_rc wait 30 || fail "no quick setup wizard"
sheet_next
sheet_keys 1063 Up Return
sheet_expect "caption after Deutsch" "Velum - Schnelleinrichtung" title
xdotool key Escape  # the pointer is still over the sheet: the keyboard follows it
wait_until 30 box_shows || fail "Esc in the wizard asked nothing"
hz=$(getconf CLK_TCK)
started=$(now_ms)
run_velum -u || fail "-u did not end"
before=$(cpu_ticks "$VELUM_PID")
last=$before
while kill -0 "$VELUM_PID" 2>/dev/null && [ $(( $(now_ms) - started )) -lt 3000 ]; do
  last=$(cpu_ticks "$VELUM_PID" 2>/dev/null || echo "$last")
  sleep 0.1
done
wait_velum_exit 0 || fail "-u with the wizard's question showing did not end the program within 3 s"
used_ms=$(( (last - before) * 1000 / hz ))
echo "-u ended the program in $(( $(now_ms) - started )) ms, using ${used_ms} ms of CPU meanwhile"
[ "$used_ms" -le 500 ] || fail "the program used ${used_ms} ms of CPU while ending"
json=$(show_settings)
grep -qF 'vmdeu.lng' <<<"$json" && fail "the language of the cancelled wizard was stored: $json"
echo ok
