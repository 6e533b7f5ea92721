# Without a usable language folder velum.exe shows message 155 and ends; with the shipped
# folder it starts normally.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
readonly MSG155="Failed in initializing internationl language manager"
# A box left open by a failed check would keep velum.exe from ending.
trap 'velumctl answer-box 1 >/dev/null || true; velum_cleanup' EXIT

# A program folder of its own: velum.exe and tg.dll, then the language folder in three states.
mkdir prog
cp "$PROGRAM_DIR/velum.exe" prog/
[ -f "$PROGRAM_DIR/tg.dll" ] && cp "$PROGRAM_DIR/tg.dll" prog/
run_copy() {  # run_copy STATE: starts the copy, expects message 155 and the end of the process
  "$WINE" "$TEST_TMP/prog/velum.exe" -r </dev/null >>"$TEST_TMP/velum.log" 2>&1 &
  VELUM_PID=$!
  out=$(velumctl answer-box 60 "$MSG155") || fail "$1: no message 155 ($(velumctl boxes))"
  wait_velum_exit 30 || fail "$1: velum.exe did not end after message 155"
  [ "$(velumctl count)" = 0 ] || fail "$1: a main window is left"
}
run_copy "no language folder"
mkdir prog/language
printf '[info]\r\nlang name=Not matched\r\n' > prog/language/other.lng
run_copy "no vm*.lng in the language folder"

# The shipped folder: no message, the main window comes up and Exit ends it.
cp "$PROGRAM_DIR"/language/*.lng prog/language/
write_settings '{"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_images":[{"path":"C:\\x.jpg"}]}'
"$WINE" "$TEST_TMP/prog/velum.exe" -r </dev/null >>"$TEST_TMP/velum.log" 2>&1 &
VELUM_PID=$!
velumctl_rc wait-window 60 || fail "no main window with the language folder ($(velumctl boxes))"
velumctl_rc sync || fail "main window does not answer"
[ -z "$(velumctl boxes)" ] || fail "unexpected message: $(velumctl boxes)"
velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 30 || fail "Exit did not end the program"

# The language kept in the settings is loaded at start-up: a colour depth below 16 bits
# brings up message "0006" in German, captioned with the program name.
mkdir -p "$(settings_dir)"
german=$(winepath -w "$TEST_TMP/prog/language/vmdeu.lng" 2>/dev/null | tr -d '\r')
german_json=${german//\\/\\\\}
echo "{\"m_strLanguageFile\":\"$german_json\",\"m_images\":[{\"path\":\"C:\\\\x.jpg\"}]}" | tool settings write "$(winepath -w "$(settings_dir)/vm.dat" | tr -d '\r')"
tool settings show "$(winepath -w "$(settings_dir)/vm.dat" | tr -d '\r')" | grep -qF 'vmdeu.lng' || fail "settings not written"
"$WINE" "$TEST_TMP/prog/velum.exe" -r </dev/null >>"$TEST_TMP/velum.log" 2>&1 &
VELUM_PID=$!
velumctl_rc wait-window 60 || fail "no main window with German settings"
velumctl message 126 >/dev/null &  # WM_DISPLAYCHANGE, 0 bits per pixel; returns once answered
sender=$!
want=$(printf 'Velum l\344uft nur mit einer Farbtiefe von 16 Bit oder mehr.\nM\366chten Sie die Anzeigeeinstellungen jetzt \344ndern?' |
  od -An -tx1 | tr -d ' \n')
out=$(velumctl answer-box 30) || fail "no message box after the colour depth change"
wait "$sender" || true
[ "$out" = "$want" ] || fail "message 0006 is not the German one: $out"
velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 30 || fail "Exit did not end the program"
echo ok
