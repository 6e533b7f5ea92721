# velum-tool.exe under Wine: what rests on the system (line ends, the Windows file search,
# the processor clock) and its failures (exit 1 for a failure, 2 for wrong usage, nothing
# on stdout either way).
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
cd "$TEST_TMP"
fail() { echo "FAIL: $*"; exit 1; }
expect_fail() {  # expect_fail RC ARGS...
  local want=$1 out rc=0
  shift
  out=$($tool "$@" 2>/dev/null) || rc=$?
  [ "$rc" -eq "$want" ] && [ -z "$out" ] || fail "$*: rc=$rc out=$out"
}

# hotkey: the bytes as they are, no CR added to the line end.
got=$($tool hotkey 15 135 | od -An -c | tr -s ' ')
want=$(printf 'Ctrl + Alt + Shift + F24\n' | od -An -c | tr -s ' ')
[ "$got" = "$want" ] || fail "hotkey 15 135: got [$got], want [$want]"
for bad in "14" "14 65536"; do expect_fail 2 hotkey $bad; done

# imagelist and displaylist through the Windows file search (the rebuild's order and rules
# are tested natively): a folder holding two pictures and a link back to itself, and one to
# a folder elsewhere: each folder is visited once, whatever path leads there.
root=$($WINE winepath -w "$TEST_TMP" 2>/dev/null | tr -d '\r')
[ -n "$root" ] || fail "winepath gave nothing"
printf '<header><ver>1.1</ver></header>' > bad.iml
expect_fail 1 imagelist show bad.iml
mkdir -p loop elsewhere
: > loop/1.jpg; : > loop/2.jpg; : > elsewhere/3.jpg
ln -s ../loop loop/back
ln -s ../elsewhere loop/away
printf '[{"path":"%s","includeSubFolders":1}]' "${root//\\/\\\\}\\\\loop" | $tool imagelist write loop.iml
looped=$($tool displaylist loop.iml | tr -d '\r' | sed 's/.*\\loop\\//' | sort | tr '\n' ' ')
[ "$looped" = "1.jpg 2.jpg away\\3.jpg " ] || fail "a folder that links back to itself gave: $looped"

# speedtest: a clock measured on this machine, whatever the processor's make.
out=$($tool speedtest | tr -d '\r')
echo "$out"
[[ $out =~ ^\{\"mhz\":[1-9][0-9]*,\"sizeMode\":[13], ]] || fail "speedtest: $out"
echo ok
