# Shared by the velum_*.sh Wine scripts (sourced; not a test of its own).
VELUMCTL=$BUILD_DIR/tests/velumctl.exe
VELUM_PID=

velumctl() { "$WINE" "$VELUMCTL" "$@" </dev/null 2>&1 | tr -d '\r'; }
velumctl_rc() { "$WINE" "$VELUMCTL" "$@" </dev/null >/dev/null 2>&1; }
tool() { "$WINE" "$PROGRAM_DIR/velum-tool.exe" "$@"; }

# Starts velum.exe in the background; its Linux pid is VELUM_PID.
start_velum() {
  "$WINE" "$PROGRAM_DIR/velum.exe" "$@" </dev/null >>"$TEST_TMP/velum.log" 2>&1 &
  VELUM_PID=$!
}

# Runs velum.exe to its end (a second start), at most 60 s.
run_velum() { timeout 60 "$WINE" "$PROGRAM_DIR/velum.exe" "$@" </dev/null >>"$TEST_TMP/velum.log" 2>&1; }

# Waits for the started velum.exe to end; false on time-out.
wait_velum_exit() {
  local deadline=$(( $(date +%s) + ${1:-30} ))
  while kill -0 "$VELUM_PID" 2>/dev/null; do
    [ "$(date +%s)" -ge "$deadline" ] && return 1
    sleep 0.2
  done
  wait "$VELUM_PID" 2>/dev/null || true
  VELUM_PID=
}

velum_cleanup() {
  if [ -n "$VELUM_PID" ] && kill -0 "$VELUM_PID" 2>/dev/null; then
    velumctl_rc command 32773 || true
    wait_velum_exit 10 || kill "$VELUM_PID" 2>/dev/null || true
  fi
}
trap velum_cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }

# The Unix path of the program's settings folder, %APPDATA%\Velum.
settings_dir() {
  local win
  win=$("$WINE" cmd /c echo %APPDATA% </dev/null 2>/dev/null | tr -d '\r')
  echo "$(winepath -u "$win" 2>/dev/null)/Velum"
}

# The Run value "Velum" of HKLM, or nothing.
run_value() {
  "$WINE" reg query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' /v Velum </dev/null 2>/dev/null |
    tr -d '\r' | grep -i 'REG_SZ' || true
}

# A settings value from velum-tool settings show, e.g. json_field "$json" m_nNextIndex.
json_field() { grep -o "\"$2\":-\\?[0-9]*" <<<"$1" | head -n1 | cut -d: -f2; }
