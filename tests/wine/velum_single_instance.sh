# A second start leaves one instance and brings up the first one's configuration window.
# A run with the rights to the machine's Run key and one without used to leave a value in
# each key, so Windows started two instances at log-on: a start with autostart on leaves one.
# The copy under test counts as installed (its folder recorded, in other letters), so that
# its value goes to the machine's key.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
readonly RUN='SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
value_in() { "$WINE" reg query "$1\\$RUN" /v Velum </dev/null 2>/dev/null | tr -d '\r' | grep -i 'REG_SZ' || true; }
put_old_value() {
  "$WINE" reg add "$1\\$RUN" /v Velum /t REG_SZ /d '"C:\Old\velum.exe" -r' /f </dev/null >/dev/null 2>&1 ||
    fail "cannot write the Run value of $1"
}
# The later scripts share the prefix and expect no Run value and no installed copy.
trap 'velum_cleanup; for hive in HKLM HKCU; do "$WINE" reg delete "$hive\\$RUN" /v Velum /f </dev/null >/dev/null 2>&1 || true; done
  "$WINE" reg delete "HKLM\\Software\\Velum" /f </dev/null >/dev/null 2>&1 || true' EXIT
program_dir=$(winepath -w "$PROGRAM_DIR" | tr -d '\r' | tr '[:lower:]' '[:upper:]')
"$WINE" reg add 'HKLM\Software\Velum' /v InstallDir /t REG_SZ /d "$program_dir" /f </dev/null >/dev/null 2>&1 ||
  fail "cannot record the program folder as installed"

put_old_value HKLM
put_old_value HKCU
[ -n "$(value_in HKLM)" ] && [ -n "$(value_in HKCU)" ] || fail "the two values were not set up"
write_settings '{"m_bAutoStart":1,"m_bCheckUpdate":0,"m_bRefreshSites":0,"m_images":[{"path":"C:\\a.jpg"}]}'
launch_velum -r
velumctl_rc sync || fail "main window does not answer"
exe=$(winepath -w "$PROGRAM_DIR/velum.exe" | tr -d '\r')
value_in HKLM | grep -qiF "\"$exe\" -r" || fail "the machine's value is not this program's: '$(value_in HKLM)'"
[ -z "$(value_in HKCU)" ] || fail "a second Run value is left: '$(value_in HKCU)'"
[ "$(velumctl visible)" = hidden ] || fail "started with -r but the window is $(velumctl visible)"

run_velum || fail "second start did not end by itself"
velumctl_rc sync
[ "$(velumctl count)" = 1 ] || fail "expected one main window, found $(velumctl count)"
# The first instance takes the posted command, and Wine activates the window, on their own time.
shown() { [ "$(velumctl visible)" = visible ]; }
front() { [ "$(velumctl foreground)" = front ]; }
wait_until 10 shown || fail "second start did not show the configuration window"
wait_until 10 front || fail "the configuration window is not in front"
kill -0 "$VELUM_PID" || fail "first instance ended"

exit_velum
velumctl_rc wait-gone 10 || fail "window still there after Exit"
# "-u" takes the value out of both keys.
put_old_value HKCU
run_velum -u || fail "-u did not end by itself"
[ -z "$(value_in HKLM)$(value_in HKCU)" ] || fail "-u left a Run value: $(value_in HKLM) $(value_in HKCU)"
echo ok
