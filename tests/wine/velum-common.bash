# Shared by the velum_*.sh Wine scripts (sourced; not a test of its own).
VELUMCTL=$BUILD_DIR/tests/velumctl.exe
VELUM_PID=

# wine_run SECONDS PROGRAM ARGS...: runs a Windows program to its end, at most SECONDS, and
# prints what it wrote to stdout and stderr without CRs; returns its exit code (124 on
# time-out). Its output goes through a file, never a pipe: the services and the desktop
# that the first Wine process of a fresh wineserver starts inherit that process's stderr
# and hold it open, so "$(wine ... 2>&1 | tr)" would never see the end of its input.
wine_run() {
  local secs=$1 out rc=0
  shift
  out=$(mktemp "$TEST_TMP/wine-run.XXXXXX")
  timeout "$secs" "$WINE" "$@" </dev/null >"$out" 2>&1 || rc=$?
  tr -d '\r' <"$out"
  rm -f "$out"
  return "$rc"
}

velumctl() { wine_run 120 "$VELUMCTL" "$@"; }
velumctl_rc() { timeout 120 "$WINE" "$VELUMCTL" "$@" </dev/null >/dev/null 2>&1; }
tool() { "$WINE" "$PROGRAM_DIR/velum-tool.exe" "$@"; }

# Starts velum.exe in the background; its Linux pid is VELUM_PID.
start_velum() {
  "$WINE" "$PROGRAM_DIR/velum.exe" "$@" </dev/null >>"$TEST_TMP/velum.log" 2>&1 &
  VELUM_PID=$!
}

# Runs velum.exe to its end (a second start), at most 60 s.
run_velum() { timeout 60 "$WINE" "$PROGRAM_DIR/velum.exe" "$@" </dev/null >>"$TEST_TMP/velum.log" 2>&1; }

# start_velum, then waits for its main window.
launch_velum() {
  start_velum "$@"
  velumctl_rc wait-window 60 || fail "no main window (velum.exe $*)"
}
# Exit, and waits for the program to end.
exit_velum() {
  velumctl_rc command 32773 || fail "cannot post Exit"
  wait_velum_exit 30 || fail "Exit did not end the program"
}
# "-u" as a second start, and waits for the running program to end.
end_by_u() {
  run_velum -u || fail "-u did not end by itself"
  wait_velum_exit 30 || fail "-u did not end the running program"
}

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds; false on time-out.
wait_until() {
  local deadline=$(( $(date +%s) + $1 ))
  shift
  until "$@"; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

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
    timeout 30 "$WINE" "$VELUMCTL" command 32773 </dev/null >/dev/null 2>&1 || true
    wait_velum_exit 10 && return 0
    echo "velum.exe did not end after Exit; killing it"
    kill "$VELUM_PID" 2>/dev/null
    wait_velum_exit 5 && return 0
    kill -9 "$VELUM_PID" 2>/dev/null
    wait_velum_exit 5 || echo "velum.exe (pid $VELUM_PID) survived SIGKILL"
  fi
  return 0
}
trap velum_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }  # stderr: also seen from inside $(...)
# A command that ends a script through set -e says which it was.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

# wait_for WANT COMMAND...: polls (20 s) until the command prints WANT.
wait_for() {
  local want=$1 deadline=$(( $(date +%s) + 20 )) got
  shift
  while :; do
    got=$("$@") || true
    [ "$got" = "$want" ] && return 0
    [ "$(date +%s)" -lt "$deadline" ] || fail "'$*' printed '$got', expected '$want'"
    sleep 0.2
  done
}

# Waits until the configuration window is shown or hidden.
wait_state() { wait_for "$1" velumctl visible; }

# The Unix path of the program's settings folder, %APPDATA%\Velum.
settings_dir() {
  local win
  win=$(timeout 60 "$WINE" cmd /c echo %APPDATA% </dev/null 2>/dev/null | tr -d '\r')
  echo "$(winepath -u "$win" 2>/dev/null)/Velum"
}

# The Run values "Velum" of HKLM and HKCU (a copy that is not installed writes the user's), or nothing.
run_value() {
  local hive
  for hive in HKLM HKCU; do
    "$WINE" reg query "$hive\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run" /v Velum </dev/null 2>/dev/null |
      tr -d '\r' | grep -i 'REG_SZ' || true
  done
}

# A settings value from velum-tool settings show, e.g. json_field "$json" m_nNextIndex.
json_field() { grep -o "\"$2\":-\\?[0-9]*" <<<"$1" | head -n1 | cut -d: -f2; }

# Image list entries (JSON, comma-separated) for the pictures FILE...
picture_entries() {
  local f sep=
  for f in "$@"; do
    [[ $f == /* ]] || f=$PWD/$f
    printf '%s{"path":"%s","isFolder":0,"includeSubFolders":0}' "$sep" "$(winepath -w "$f" 2>/dev/null | tr -d '\r' | sed 's/\\/\\\\/g')"
    sep=,
  done
}

# A 2 x 2 pixel 24-bit BMP.
make_bmp() {
  printf 'BM\106\0\0\0\0\0\0\0\066\0\0\0\050\0\0\0\002\0\0\0\002\0\0\0\001\0\030\0\0\0\0\0\020\0\0\0\023\013\0\0\023\013\0\0\0\0\0\0\0\0\0\0' >"$1"
  printf '\377\0\0\0\377\0\0\0\0\0\377\377\377\377\0\0' >>"$1"
}

# Writes the settings file of the program (in its settings folder) from option data JSON.
write_settings() {
  local dir
  dir=$(settings_dir)
  mkdir -p "$dir"
  (cd "$dir" && tool settings write vm.dat <<<"$1") || fail "velum-tool settings write failed"
}

show_settings() { (cd "$(settings_dir)" && tool settings show vm.dat | tr -d '\r'); }

# A screenshot of the whole screen, and the colour at X Y in it as "r g b".
shot() { import -window root "$TEST_TMP/screen.png" 2>/dev/null; }
px() { convert "$TEST_TMP/screen.png" -format "%[fx:int(255*p{$1,$2}.r+0.5)] %[fx:int(255*p{$1,$2}.g+0.5)] %[fx:int(255*p{$1,$2}.b+0.5)]" info:; }

# Polls the screen until the point shows r g b (each within 3), for at most WAIT_COLOUR_S (30) s.
wait_colour() {  # X Y R G B WHAT
  local deadline=$(( $(date +%s) + ${WAIT_COLOUR_S:-30} )) got r g b
  while :; do
    shot
    got=$(px "$1" "$2")
    read -r r g b <<<"$got"
    if (( r-$3 < 4 && $3-r < 4 && g-$4 < 4 && $4-g < 4 && b-$5 < 4 && $5-b < 4 )); then
      echo "$6: ($1,$2) = $got"
      return 0
    fi
    [ "$(date +%s)" -ge "$deadline" ] && fail "$6: ($1,$2) is $got, want $3 $4 $5"
    sleep 0.3
  done
}

# The Linux process of the started velum.exe (the Wine loader runs the program in its own process).
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
sleep_until_ms() {
  local left=$(( $1 - $(now_ms) ))
  [ "$left" -gt 0 ] && sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
  return 0
}
