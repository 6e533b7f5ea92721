# The Internet reader against a local server's hostile answers (404, a captive portal, no
# length, chunked, a slow body, a length of 4294967295, "-1" or text, a short body, 10 MB
# with and without a length, a server that never answers or drips, a redirect loop, three
# and four redirects): each ends within 70 s with the right outcome and bounded memory.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
. "$SOURCE_DIR/tests/wine/online-common.bash"
cd "$TEST_TMP"

start_server
log=$TEST_TMP/reader.log
(cd "$BUILD_DIR/tests" && VELUM_TEST_SERVER="http://127.0.0.1:$SERVER_PORT" timeout 150 "$WINE" velum_wintests.exe \
  --gtest_filter='InternetReaderHostile.*' </dev/null >"$log" 2>&1) || true
tr -d '\r' <"$log" | grep -v '^\[ ' || true
tr -d '\r' <"$log" | grep -q '^\[  PASSED  \] 1 test' || fail "the reader did not pass against the hostile server"
