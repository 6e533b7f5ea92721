# Sourced by scripts that need Wine: starts an X server of its own with a compositing
# manager and a fresh Wine prefix, and removes all of it again on exit.
# Sets DISPLAY, WINEPREFIX, WINE and VELUM_WINE_TMP. VELUM_WINE_ARCH=win32 makes a 32-bit
# prefix run by the 32-bit loader: there a 32-bit program's registry is the only view, as on
# Windows 2000 and XP (a 64-bit prefix would redirect its HKLM\SOFTWARE to Wow6432Node).

# win32 or win64: the architecture of a Windows executable, from its PE header.
wine_arch_of() {
  local pe machine
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$pe" ] || return 1
  machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  case $machine in
    014c) echo win32 ;;
    8664) echo win64 ;;
    *) return 1 ;;
  esac
}

wine_session_cleanup() {
  set +e
  [ -n "${WINEPREFIX:-}" ] && WINEPREFIX="$WINEPREFIX" timeout 20 wineserver -k >/dev/null 2>&1
  [ -n "${VELUM_XCOMPMGR_PID:-}" ] && kill "$VELUM_XCOMPMGR_PID" >/dev/null 2>&1
  [ -n "${VELUM_XVFB_PID:-}" ] && kill "$VELUM_XVFB_PID" >/dev/null 2>&1
  [ -n "${VELUM_WINE_TMP:-}" ] && rm -rf "$VELUM_WINE_TMP"
}

# Ends every Wine process of the prefix and starts a fresh persistent server. A fresh
# server's first Wine process starts the prefix's services and the desktop, which inherit
# its stderr and keep it open for as long as they run; a throwaway process does that here,
# so that no caller's output pipe is held by them.
wine_session_fresh_server() {
  # No server yet is no failure (these would end a caller that runs with set -e).
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  timeout 20 wineserver -w >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1 || true
  # velumctl.exe uses the desktop, so explorer.exe starts as well.
  if [ -x "${BUILD_DIR:-}/tests/velumctl.exe" ]; then
    timeout 120 "$WINE" "$BUILD_DIR/tests/velumctl.exe" count </dev/null >/dev/null 2>&1
  else
    timeout 120 "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
  fi || echo "wine-session: the prefix's services did not start (exit $?)" >&2
}

wine_session_start() {
  VELUM_WINE_TMP=$(mktemp -d /tmp/velum-wine.XXXXXX)
  export VELUM_WINE_TMP
  trap wine_session_cleanup EXIT
  # -displayfd picks a free display number, so several sessions can run side by side.
  local dfile="$VELUM_WINE_TMP/display"
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$dfile" >/dev/null 2>&1 &
  VELUM_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$dfile" ] && break
    sleep 0.1
  done
  [ -s "$dfile" ] || { echo "wine-session: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$dfile")"
  xcompmgr >/dev/null 2>&1 &
  VELUM_XCOMPMGR_PID=$!
  export WINEPREFIX="$VELUM_WINE_TMP/prefix"
  export WINEDEBUG=-all
  # No Mono or Gecko install dialogs in a fresh prefix.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ "${VELUM_WINE_ARCH:-win64}" = win32 ]; then
    export WINEARCH=win32
    if [ -x /usr/lib/wine/wine ]; then WINE=/usr/lib/wine/wine; else WINE=wine; fi
  else
    unset WINEARCH
    if [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64; else WINE=wine64; fi
  fi
  export WINE
  timeout 180 "$WINE" wineboot -u >/dev/null 2>&1 || { echo "wine-session: wineboot failed" >&2; return 1; }
  # No window manager runs here: managed windows would wait 2 s for one at every hide.
  timeout 60 "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
    { echo "wine-session: the X11 driver setting failed" >&2; return 1; }
  timeout 60 wineserver -w 2>/dev/null || true
  # Keep the prefix's server alive between the tests' Wine processes.
  wine_session_fresh_server
}
