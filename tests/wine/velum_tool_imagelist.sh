# velum-tool.exe writes, shows and expands image list files under Wine.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
cd "$TEST_TMP"
fail() { echo "$*"; exit 1; }

# A tree: files in the order they are made, a sub-folder, a text file and a look-alike.
mkdir -p pics/sub/deeper
for f in b.jpg a.PNG c.jpeg d.tif e.TIFF notes.txt; do : > "pics/$f"; done
: > pics/sub/s.gif
: > pics/sub/deeper/x.bmp
root=$($WINE winepath -w "$TEST_TMP" 2>/dev/null | tr -d '\r')
[ -n "$root" ] || fail "winepath gave nothing"

printf '[{"path":"%s","includeSubFolders":0},{"path":"%s","includeSubFolders":1},{"path":"%s"},{"path":"%s"}]' \
  "${root//\\/\\\\}\\\\pics" "${root//\\/\\\\}\\\\pics\\\\sub\\\\" "Z:\\\\nowhere\\\\gone.jpg" "Z:\\\\nowhere\\\\folder" |
  $tool imagelist write list.iml

# The file itself: CR LF line ends, no line end after the last line, no flag line for 0.
[ "$(tail -c 15 list.iml)" = $'\r\n</image list>' ] || fail "bad end: $(tail -c 15 list.iml | od -c)"
[ "$(grep -c $'\r$' list.iml)" -eq 19 ] || fail "expected 19 CR LF lines"
[ "$(grep -c '<incsubdir>1</incsubdir>' list.iml)" -eq 3 ] || fail "flag lines: $(cat list.iml)"

shown=$($tool imagelist show list.iml)
echo "$shown"
for want in '"isFolder":1,"includeSubFolders":0}' '"path":"Z:\\nowhere\\gone.jpg","width":0,"height":0,"depth":0,"isFolder":0,"includeSubFolders":1' \
            '"path":"Z:\\nowhere\\folder","width":0,"height":0,"depth":0,"isFolder":1'; do
  grep -qF "$want" <<<"$shown" || fail "missing $want"
done

$tool displaylist list.iml | tr -d '\r' > display.txt
cat display.txt
names=$(sed 's/.*\\//' display.txt | tr '\n' ' ')
# The flat folder gives its pictures only; the sub-folder entry goes all the way down;
# the missing picture stays; the missing folder gives nothing.
for n in b.jpg a.PNG e.TIFF s.gif x.bmp gone.jpg; do grep -q " $n \|^$n " <<<" $names" || fail "missing $n in: $names"; done
[ "$(wc -l < display.txt)" -eq 6 ] || fail "expected 6 entries"
grep -q 'sub\\deeper\\x.bmp$' display.txt || fail "no deep path"
[ "$(sed -n 1p display.txt | sed 's/.*\\//')" != "s.gif" ] || fail "order"

# Failures: exit 1, nothing on stdout.
printf '<header><ver>1.1</ver></header>' > bad.iml
for cmd in "imagelist show bad.iml" "imagelist show missing.iml" "displaylist bad.iml"; do
  set +e; out=$($tool $cmd 2>/dev/null); rc=$?; set -e
  [ $rc -eq 1 ] && [ -z "$out" ] || fail "$cmd: rc=$rc out=$out"
done
set +e; $tool displaylist >/dev/null 2>&1; rc=$?; set -e
[ $rc -eq 2 ] || fail "usage: rc=$rc"
echo ok
