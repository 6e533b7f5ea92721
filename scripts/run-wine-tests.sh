#!/usr/bin/env bash
# Runs the Windows unit tests and every tests/wine/*.sh under Wine, in an X server and a
# Wine prefix of their own. Prints "PASS name" / "FAIL name" per script.
#   run-wine-tests.sh BUILD_DIR [PATTERN]
# A script gets PROGRAM_DIR (velum.exe, tg.dll, velum-tool.exe, language/), BUILD_DIR,
# SOURCE_DIR, WINE, WINEPREFIX, DISPLAY and a scratch folder TEST_TMP; exit 0 passes,
# 77 skips, anything else fails. Each gets at most WINE_TEST_TIMEOUT seconds (default 300).
# WINTESTS_FILTER=GTEST_FILTER runs the Windows unit tests with that filter even when a
# PATTERN is given (PATTERN "none" then runs no script).
set -uo pipefail
cd "$(dirname "$0")/.."
export SOURCE_DIR=$PWD
export BUILD_DIR=$(cd "${1:?build dir}" && pwd)
export PROGRAM_DIR=$BUILD_DIR/program
pattern=${2:-*}

. scripts/wine-session.sh
# The prefix takes the program's architecture.
VELUM_WINE_ARCH=$(wine_arch_of "$PROGRAM_DIR/velum.exe" || wine_arch_of "$BUILD_DIR/tests/velum_wintests.exe" || echo win64)
export VELUM_WINE_ARCH
if ! wine_session_start; then
  echo "WINE-SESSION-FAILED"
  exit 1
fi
echo "wine session: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX ($VELUM_WINE_ARCH)"

if [ -x "$BUILD_DIR/tests/velum_wintests.exe" ] && { [ "$pattern" = "*" ] || [ -n "${WINTESTS_FILTER:-}" ]; }; then
  echo "--- velum_wintests.exe"
  wintests_start=$(date +%s)
  # Into a file, not a pipe: the wineserver it may start keeps a pipe open forever.
  (cd "$BUILD_DIR/tests" && timeout 600 "$WINE" velum_wintests.exe --gtest_brief=1 \
    --gtest_filter="${WINTESTS_FILTER:-*}" >"$VELUM_WINE_TMP/wintests.log" 2>&1)
  tr -d '\r' <"$VELUM_WINE_TMP/wintests.log"
  echo "velum_wintests.exe took $(( $(date +%s) - wintests_start ))s"
fi

for t in tests/wine/$pattern.sh; do
  [ -f "$t" ] || continue
  # No Wine process of one test lives on into the next.
  wine_session_fresh_server
  name=$(basename "$t" .sh)
  export TEST_TMP=$(mktemp -d "$VELUM_WINE_TMP/$name.XXXXXX")
  start=$(date +%s)
  timeout "${WINE_TEST_TIMEOUT:-300}" bash "$t" >"$TEST_TMP.log" 2>&1 </dev/null
  rc=$?
  secs=$(( $(date +%s) - start ))
  case $rc in
    0) echo "PASS $name (${secs}s)" ;;
    77) echo "SKIP $name" ; sed 's/^/    /' "$TEST_TMP.log" | tail -n 5 ;;
    *) echo "FAIL $name (exit $rc after ${secs}s)"; sed 's/^/    /' "$TEST_TMP.log" | tail -n 40 ;;
  esac
done
