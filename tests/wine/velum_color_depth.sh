# On a screen of fewer than 16 bits per pixel the program says so (string 133), offers the
# display settings and ends without starting; "No" leaves everything as it was.
set -euo pipefail
. "$SOURCE_DIR/tests/wine/velum-common.bash"
cd "$TEST_TMP"

command -v Xvfb >/dev/null || { echo "no Xvfb"; exit 77; }
Xvfb -displayfd 8 -screen 0 640x480x8 -nolisten tcp 8>"$TEST_TMP/display8" >/dev/null 2>&1 &
xvfb8=$!
trap 'velum_cleanup; kill $xvfb8 2>/dev/null || true' EXIT
for i in $(seq 1 50); do [ -s "$TEST_TMP/display8" ] && break; sleep 0.1; done
[ -s "$TEST_TMP/display8" ] || { echo "8-bit Xvfb did not start"; exit 77; }
export DISPLAY=":$(head -n1 "$TEST_TMP/display8")"

rm -f "$(settings_dir)/vm.dat"
start_velum -r
want=$(printf 'Velum just can run in 16 bit or higher color mode.\n Do you want adjust the setting of display now?' | od -An -tx1 | tr -d ' \n')
[ "$(velumctl answer-box 60)" = "$want" ] || fail "not message 133 (or no box to answer No)"
wait_velum_exit 30 || fail "the program did not end after No"
[ "$(velumctl count)" = 0 ] || fail "a window stayed"
[ ! -e "$(settings_dir)/vm.dat" ] || fail "a program that did not start wrote settings"
echo ok
