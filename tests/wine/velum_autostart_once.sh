# A run with the rights to the machine's Run key and one without used to leave a value in
# each key, so Windows started two instances at log-on. A start with autostart on leaves one.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"
readonly RUN='SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
value_in() { "$WINE" reg query "$1\\$RUN" /v Velum </dev/null 2>/dev/null | tr -d '\r' | grep -i 'REG_SZ' || true; }
put_old_value() {
  "$WINE" reg add "$1\\$RUN" /v Velum /t REG_SZ /d '"C:\Old\velum.exe" -r' /f </dev/null >/dev/null 2>&1 ||
    fail "cannot write the Run value of $1"
}

# The later scripts share the prefix and expect no Run value.
trap 'velum_cleanup; for hive in HKLM HKCU; do "$WINE" reg delete "$hive\\$RUN" /v Velum /f </dev/null >/dev/null 2>&1 || true; done' EXIT

put_old_value HKLM
put_old_value HKCU
[ -n "$(value_in HKLM)" ] && [ -n "$(value_in HKCU)" ] || fail "the two values were not set up"
write_settings '{"m_bAutoStart":1,"m_bCheckUpdate":0,"m_bRefreshSites":0}'

start_velum -r
velumctl_rc wait-window 60 || fail "no main window"
velumctl_rc sync
exe=$(winepath -w "$PROGRAM_DIR/velum.exe" | tr -d '\r')
value_in HKLM | grep -qiF "\"$exe\" -r" || fail "the machine's value is not this program's: '$(value_in HKLM)'"
[ -z "$(value_in HKCU)" ] || fail "a second Run value is left: '$(value_in HKCU)'"

velumctl_rc command 32773 || fail "cannot post Exit"
wait_velum_exit 30 || fail "Exit did not end the program"
# "-u" takes the value out of both keys.
put_old_value HKCU
run_velum -u || fail "-u did not end by itself"
[ -z "$(value_in HKLM)$(value_in HKCU)" ] || fail "-u left a Run value: $(value_in HKLM) $(value_in HKCU)"
echo ok
