# velum-tool.exe reads language files and builds the catalogue with the Windows file search.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
cd "$TEST_TMP"

expect_fail() {  # expect_fail RC command...: the exit status and nothing on stdout
  local want=$1; shift
  set +e
  local out
  out=$("$@" 2>/dev/null)
  local rc=$?
  set -e
  [ "$rc" -eq "$want" ] && [ -z "$out" ] || { echo "$*: rc=$rc out=$out"; exit 1; }
}

# The shipped catalogue, sorted by name, with the full paths of the program folder.
out=$($tool lang catalog "$PROGRAM_DIR/language" | tr -d '\r')
echo "$out"
grep -q '^\[{"name":"Deutsch","path":".*vmdeu.lng"},{"name":"English","path":".*vmeng.lng"}\]$' <<<"$out" ||
  { echo "bad catalogue"; exit 1; }

# The pattern matches without regard to letter case; files without an info section are left out.
mkdir cat
printf '[INFO]\r\nlang name=zulu\r\n' > cat/VMZUL.LNG
printf '[info]\r\nlang name=Alpha\r\n' > cat/vmalpha.lng
printf '[Strings]\r\n0001=x\r\n' > cat/vmnone.lng
printf '[info]\r\nlang name=Other\r\n' > cat/other.lng
out=$($tool lang catalog cat | tr -d '\r')
echo "$out"
grep -q '^\[{"name":"Alpha","path":"cat\\\\vmalpha.lng"},{"name":"zulu","path":"cat\\\\VMZUL.LNG"}\]$' <<<"$out" ||
  { echo "bad catalogue of cat"; exit 1; }
mkdir none
expect_fail 1 $tool lang catalog none
expect_fail 1 $tool lang catalog missing-folder

# Lookups give the raw ANSI bytes with escapes processed and no line end.
[ "$($tool lang get "$PROGRAM_DIR/language/vmdeu.lng" "image list column" HEIGHT | od -An -tx1 | tr -d ' \n')" = "48f66865" ] ||
  { echo "bad German text"; exit 1; }
[ "$($tool lang get "$PROGRAM_DIR/language/vmeng.lng" Menu Help | od -An -c | tr -s ' ')" = " & H e l p \t F 1" ] ||
  { echo "bad escape: $($tool lang get "$PROGRAM_DIR/language/vmeng.lng" Menu Help | od -An -c)"; exit 1; }
[ "$($tool lang font "$PROGRAM_DIR/language/vmeng.lng" "Command Button" | tr -d '\r')" = '{"name":"Arial","size":12,"weight":700}' ] ||
  { echo "bad font"; exit 1; }
[ "$($tool lang info "$PROGRAM_DIR/language/vmeng.lng" | tr -d '\r')" = '{"lang name":"English","author":"Velum","version":"1.0","vm ver":"1.10"}' ] ||
  { echo "bad info"; exit 1; }
expect_fail 1 $tool lang get "$PROGRAM_DIR/language/vmeng.lng" Menu Nothing
expect_fail 1 $tool lang get cat/vmnone.lng Strings 0001
expect_fail 1 $tool lang font "$PROGRAM_DIR/language/vmeng.lng" Menu
expect_fail 1 $tool lang info cat/vmnone.lng
expect_fail 2 $tool lang get onlyfile
echo ok
