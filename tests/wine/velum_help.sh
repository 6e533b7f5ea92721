# Help (32772) in the real velum.exe: with vm.chm beside it no message comes and the program
# goes on answering; without it a message says so, in the current language, or in English
# when the language file lacks the key.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
trap 'velumctl answer-box 1 >/dev/null || true; velum_cleanup' EXIT
hex() { od -An -tx1 | tr -d ' \n'; }

write_settings '{"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_images":[{"path":"C:\\x.bmp","isFolder":0}]}'
start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
velumctl_rc command 32772 || fail "cannot post Help"
velumctl_rc sync || fail "velum.exe does not answer after Help"
sleep 1
[ -z "$(velumctl boxes)" ] || fail "a message with vm.chm in place: $(velumctl boxes)"
velumctl_rc command 32773
wait_velum_exit 30 || fail "Exit did not end the program"

# A program folder without vm.chm, with German, English and a German file that lacks the key.
mkdir -p prog/language
cp "$PROGRAM_DIR/velum.exe" "$PROGRAM_DIR/tg.dll" prog/
cp "$PROGRAM_DIR"/language/vmdeu.lng "$PROGRAM_DIR"/language/vmeng.lng prog/language/
sed -e 's/^lang name=.*/lang name=Ohne Hilfe\r/' -e '/^0007=/d' prog/language/vmdeu.lng >prog/language/vmxx.lng
! grep -q '^0007=' prog/language/vmxx.lng || fail "the key is still in the test language"
# Answered boxes linger hidden under Wine and, titled "Velum" too, would take velumctl's
# commands: "-u" finds the main window by its marker instead.
start_copy() {  # start_copy LANGUAGE-FILE
  local file
  file=$(winepath -w "$TEST_TMP/prog/language/$1" 2>/dev/null | sed 's/\\/\\\\/g')
  write_settings '{"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_strLanguageFile":"'"$file"'",
    "m_images":[{"path":"C:\\x.bmp","isFolder":0}]}'
  "$WINE" "$TEST_TMP/prog/velum.exe" -r </dev/null >>"$TEST_TMP/velum.log" 2>&1 &
  VELUM_PID=$!
  velumctl_rc wait-window 60 || fail "no main window without vm.chm" >&2
}
# Runs in $(...): failures go to stderr to be seen.
help_message() {  # help_message LANGUAGE-FILE: the message's text in hex
  start_copy "$1"
  velumctl_rc command 32772
  velumctl answer-box 30 || fail "$1: no message for the missing help file" >&2
  run_velum -u
  wait_velum_exit 30 || fail "$1: -u did not end velum.exe" >&2
}

got=$(help_message vmxx.lng)
want=$(tool lang get "$PROGRAM_DIR/language/vmeng.lng" Strings 0007 | hex)
[ "$got" = "$want" ] || fail "a language without the key: message $got, want the English $want"
echo "without the key: the English text"
got=$(help_message vmdeu.lng)
want=$(tool lang get "$PROGRAM_DIR/language/vmdeu.lng" Strings 0007 | hex)
[ "$got" = "$want" ] || fail "German: message $got, want $want"
echo "German: the German text"
echo ok
