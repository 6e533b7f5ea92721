#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine.
# With a desktop (DISPLAY set) it runs there; without one it starts a virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 >/dev/null
PROGRAM_DIR=$PWD/build/mingw64/program
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=wine64
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$HOME/.velum-wine}

if [ ! -f "$PROGRAM_DIR/velum.exe" ]; then
  "$WINE" "$PROGRAM_DIR/velum-tool.exe" settings defaults
  exit 0
fi
"$WINE" "$PROGRAM_DIR/velum.exe" "$@"
