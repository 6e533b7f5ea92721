# A stored language file that has gone (the program folder moved, the file deleted) falls
# back to the program's own: the same file name, else English; the settings keep that file.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
trap 'velumctl answer-box 1 >/dev/null || true; velum_cleanup' EXIT

folder=$(winepath -w "$PROGRAM_DIR/language" | tr -d '\r')
stored_language() { show_settings | grep -o '"m_strLanguageFile":"[^"]*"' | cut -d'"' -f4 | sed 's/\\\\/\\/g'; }
# start_with PATH: starts with that language file in the settings and waits for the window.
start_with() {
  write_settings "{\"m_strLanguageFile\":\"${1//\\/\\\\}\",\"m_bCheckUpdate\":0,\"m_bRefreshSites\":0}"
  start_velum -r
  velumctl_rc wait-window 60 || fail "no main window with $1"
  velumctl_rc sync
}
stop() {
  velumctl_rc command 32773 || fail "cannot post Exit"
  wait_velum_exit 30 || fail "Exit did not end the program"
}

# A file name no language folder holds: the messages are English.
start_with 'C:\nowhere\language\vmxyz.lng'
velumctl message 126 >/dev/null &  # WM_DISPLAYCHANGE, 0 bits per pixel; returns once answered
sender=$!
want=$(printf 'Velum just can run in 16 bit or higher color mode.\n Do you want adjust the setting of display now?' |
  od -An -tx1 | tr -d ' \n')
out=$(velumctl answer-box 30) || fail "no message box after the colour depth change"
wait "$sender" || true
[ "$out" = "$want" ] || fail "message 0006 is not the English one: $out"
stop
got=$(stored_language)
[ "${got,,}" = "${folder,,}\\vmeng.lng" ] || fail "the settings keep '$got', not the English file"

# The German file of a folder that moved: German it stays, from the program's own folder.
start_with 'C:\Old Place\language\vmdeu.lng'
stop
got=$(stored_language)
[ "${got,,}" = "${folder,,}\\vmdeu.lng" ] || fail "the settings keep '$got', not the German file"
echo ok
