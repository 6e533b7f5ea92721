# The preferences sheet with the real mouse and keyboard: OK stores start with Windows
# (and writes the Run value) and a new Enable/Disable hotkey typed into its field, which
# then works system-wide while the old one is free for others. "-u" with the sheet open
# ends the program and removes the Run value.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
. "$SOURCE_DIR/tests/wine/sheet-common.bash"
cd "$TEST_TMP"

write_settings '{"m_nInterval":1000,"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_bAutoStart":0,
  "m_images":[{"path":"C:\\a.jpg"},{"path":"C:\\b.jpg"},{"path":"C:\\c.jpg"}]}'
launch_velum -r
velumctl_rc sync

# 1. Start with Windows and a hotkey typed in, OK; the new hotkey turns the slideshow off.
velumctl_rc command 32775
sheetctl_rc wait 30 || fail "Preferences did not open the sheet"
sheet_click 1034
sheet_keys 1050 ctrl+Tab
wait_for 1 sheetctl page
sheet_keys 1040 ctrl+alt+End
value=$(sheetctl hotkey 1040)
[ $(( value & 255 )) = 35 ] && [ $(( value >> 8 & 6 )) = 6 ] || fail "Ctrl + Alt + End not taken: $value"
sheet_click 1
sheetctl_rc gone 30 || fail "OK did not close the sheet"
velumctl_rc sync
run=$(run_value)
echo "Run value: $run"
grep -qi 'velum.exe" -r' <<<"$run" || fail "the Run value was not written"
home_is_free || fail "the old Ctrl + Alt + Home is still held"
velumctl_rc command 32771
read -r x y w h < <(velumctl rect)
xdotool mousemove --sync $(( x + w / 2 )) $(( y + h / 2 ))
xdotool key ctrl+alt+End
velumctl_rc sync
exit_velum
json=$(show_settings)
[ "$(json_field "$json" m_bAutoStart)" = 1 ] || fail "start with Windows not stored"
grep -qF "$(hotkey_json "$value")" <<<"$json" || fail "Enable/Disable hotkey $value not stored: $json"
[ "$(json_field "$json" m_bEnabled)" = 0 ] || fail "Ctrl + Alt + End did not turn the slideshow off"
echo "ok and hotkeys: ok"

# 2. "-u" with the sheet open ends the program and removes the Run value.
launch_velum -r
velumctl_rc command 32775
sheetctl_rc wait 30 || fail "no sheet"
end_by_u
[ -z "$(run_value)" ] || fail "-u left the Run value"
echo "-u with the sheet open: ok"

echo ok
