# velum-tool.exe under Wine: hotkey texts, picture headers, image lists, language files,
# settings files and the speed test, each as natively, and its failures (exit 1 for a
# failure, 2 for wrong usage, nothing on stdout either way).
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
lng=$PROGRAM_DIR/language

# hotkey: the bytes as they are, no CR added to the line end.
got=$($tool hotkey 15 135 | od -An -c | tr -s ' ')
want=$(printf 'Ctrl + Alt + Shift + F24\n' | od -An -c | tr -s ' ')
[ "$got" = "$want" ] || fail "hotkey 15 135: got [$got], want [$want]"
expect_fail 2 hotkey
for bad in "14" "14 36 1" "x 36" "14 65536" "-1 36"; do expect_fail 2 hotkey $bad; done

# imageinfo: Windows paths, upper-case extensions, a dot only in a folder name, files that fail.
# The header seeds start with their reader's selector byte.
seeds=$SOURCE_DIR/tests/fuzz/corpus/headerinfo_fuzz
seed() { tail -c +2 "$seeds/$1"; }
mkdir -p my.pics
seed progressive.jpg >PHOTO.JPG
seed core.bmp >my.pics/core.dib
seed palette.gif >my.pics/photo
seed rgb.tga | head -c 17 >short.tga
seed rgb.pcx >rgb.pcx
seed rle.tga >rle.tga
out=$($tool imageinfo 'PHOTO.JPG' 'my.pics\core.dib' 'my.pics\photo' short.tga rgb.pcx rle.tga missing.gif | tr -d '\r')
expected='{"path":"PHOTO.JPG","width":6,"height":4,"depth":24}
{"path":"my.pics\\core.dib","width":6,"height":4,"depth":24}
{"path":"my.pics\\photo","width":0,"height":0,"depth":0}
{"path":"short.tga","width":0,"height":0,"depth":0}
{"path":"rgb.pcx","width":6,"height":4,"depth":8}
{"path":"rle.tga","width":6,"height":4,"depth":24}
{"path":"missing.gif","width":0,"height":0,"depth":0}'
[ "$out" = "$expected" ] || fail "imageinfo gave:"$'\n'"$out"$'\n'"expected:"$'\n'"$expected"
expect_fail 2 imageinfo

# imagelist and displaylist: files in the order they are made, a sub-folder, a text file.
mkdir -p pics/sub/deeper
for f in b.jpg a.PNG c.jpeg d.tif e.TIFF notes.txt; do : > "pics/$f"; done
: > pics/sub/s.gif
: > pics/sub/deeper/x.bmp
root=$($WINE winepath -w "$TEST_TMP" 2>/dev/null | tr -d '\r')
[ -n "$root" ] || fail "winepath gave nothing"
printf '[{"path":"%s","includeSubFolders":0},{"path":"%s","includeSubFolders":1},{"path":"%s"},{"path":"%s"}]' \
  "${root//\\/\\\\}\\\\pics" "${root//\\/\\\\}\\\\pics\\\\sub\\\\" "Z:\\\\nowhere\\\\gone.jpg" "Z:\\\\nowhere\\\\folder" |
  $tool imagelist write list.iml
# CR LF line ends, none after the last line, no flag line for 0.
[ "$(tail -c 15 list.iml)" = $'\r\n</image list>' ] || fail "bad end: $(tail -c 15 list.iml | od -c)"
[ "$(grep -c $'\r$' list.iml)" -eq 19 ] || fail "expected 19 CR LF lines"
[ "$(grep -c '<incsubdir>1</incsubdir>' list.iml)" -eq 3 ] || fail "flag lines: $(cat list.iml)"
shown=$($tool imagelist show list.iml)
for want in '"isFolder":1,"includeSubFolders":0}' '"path":"Z:\\nowhere\\gone.jpg","width":0,"height":0,"depth":0,"isFolder":0,"includeSubFolders":1' \
            '"path":"Z:\\nowhere\\folder","width":0,"height":0,"depth":0,"isFolder":1'; do
  grep -qF "$want" <<<"$shown" || fail "imagelist show lacks $want: $shown"
done
$tool displaylist list.iml | tr -d '\r' > display.txt
names=$(sed 's/.*\\//' display.txt | tr '\n' ' ')
# The flat folder gives its pictures only, the sub-folder entry goes all the way down, the
# missing picture stays, the missing folder gives nothing.
for n in b.jpg a.PNG e.TIFF s.gif x.bmp gone.jpg; do grep -q " $n \|^$n " <<<" $names" || fail "missing $n in: $names"; done
[ "$(wc -l < display.txt)" -eq 6 ] || fail "expected 6 entries: $names"
grep -q 'sub\\deeper\\x.bmp$' display.txt || fail "no deep path"
[ "$(sed -n 1p display.txt | sed 's/.*\\//')" != "s.gif" ] || fail "order: $names"
printf '<header><ver>1.1</ver></header>' > bad.iml
expect_fail 1 imagelist show bad.iml
expect_fail 1 imagelist show missing.iml
# A folder holding two pictures and a link back to itself, and one to a folder elsewhere:
# each folder is visited once, whatever path leads there.
mkdir -p loop elsewhere
: > loop/1.jpg
: > loop/2.jpg
: > elsewhere/3.jpg
ln -s ../loop loop/back
ln -s ../elsewhere loop/away
printf '[{"path":"%s","includeSubFolders":1}]' "${root//\\/\\\\}\\\\loop" | $tool imagelist write loop.iml
looped=$($tool displaylist loop.iml | tr -d '\r' | sed 's/.*\\loop\\//' | sort | tr '\n' ' ')
[ "$looped" = "1.jpg 2.jpg away\\3.jpg " ] || fail "a folder that links back to itself gave: $looped"
expect_fail 1 displaylist bad.iml
expect_fail 2 displaylist

# Names outside the code page (1252 here): the display list gives them whole (in UTF-8 after
# a byte-order mark, as such an image list file is written), a Western name stays in the
# code page, and image list and settings files round-trip through JSON. Paths are taken in
# Unicode, the file name of the list included.
mkdir -p uni/Zdjęcia
for f in plain.bmp Ωμέγα.bmp 日本.bmp Zdjęcia/lato.bmp; do : > "uni/$f"; done
printf '[{"path":"%s","includeSubFolders":1}]' "${root//\\/\\\\}\\\\uni" | $tool imagelist write 'uni\Ωλίστα.iml'
[ "$(head -c 3 uni/Ωλίστα.iml | od -An -tx1 | tr -d ' ')" != efbbbf ] || fail "an ASCII list got a byte-order mark"
$tool displaylist 'uni\Ωλίστα.iml' | tr -d '\r' > unidisplay.txt
[ "$(head -c 3 unidisplay.txt | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "display list not in UTF-8: $(od -c unidisplay.txt | head)"
got=$(sed '1s/^\xEF\xBB\xBF//; s/.*\\uni\\//' unidisplay.txt | sort | tr '\n' ' ')
[ "$got" = "Zdjęcia\\lato.bmp plain.bmp Ωμέγα.bmp 日本.bmp " ] || fail "display list: $got"
printf '[{"path":"C:\\\\Z\\u00fcrich.jpg"},{"path":{"unicode":"C:\\\\\\u65e5\\u672c.bmp"}},{"path":{"unicode":"C:\\\\\\ud83d\\ude00"}}]' |
  $tool imagelist write uni.iml
[ "$(head -c 3 uni.iml | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "no byte-order mark: $(od -c uni.iml | head -2)"
grep -q 'Zürich.jpg' uni.iml || fail "the Western name is not UTF-8 in: $(cat uni.iml)"
shown=$($tool imagelist show uni.iml)
grep -qF '"path":"C:\\Z\u00FCrich.jpg"' <<<"$shown" || fail "Western name: $shown"
grep -qF '"path":{"unicode":"C:\\\u65E5\u672C.bmp"}' <<<"$shown" || fail "Japanese name: $shown"
grep -qF '{"unicode":"C:\\\uD83D\uDE00"}' <<<"$shown" || fail "a name beyond the BMP: $shown"
$tool imagelist write again.iml <<<"$shown"
cmp -s uni.iml again.iml || fail "the image list did not round-trip"
$tool settings write uni.dat <<<'{"m_strLanguageFile":{"unicode":"C:\\Zdj\u0119cia\\vmeng.lng"},"m_images":'"$shown"'}'
$tool settings show uni.dat | $tool settings write uniback.dat
cmp -s uni.dat uniback.dat || fail "the settings file did not round-trip"
shown=$($tool settings show uni.dat)
grep -qF '"m_strLanguageFile":{"unicode":"C:\\Zdj\u0119cia\\vmeng.lng"}' <<<"$shown" || fail "settings: $shown"
echo "names outside the code page: ok"

# lang: the catalogue sorted by name with the Windows file search (any letter case, files
# without an info section left out); lookups give the raw ANSI bytes, escapes processed.
out=$($tool lang catalog "$lng" | tr -d '\r')
grep -q '{"name":"Deutsch","path":".*vmdeu.lng"},{"name":"English","path":".*vmeng.lng"}' <<<"$out" &&
  grep -q '"path":"[^"]*vmjpn.lng"}' <<<"$out" ||
  fail "bad catalogue: $out"
mkdir cat none
printf '[INFO]\r\nlang name=zulu\r\n' > cat/VMZUL.LNG
printf '[info]\r\nlang name=Alpha\r\n' > cat/vmalpha.lng
printf '[Strings]\r\n0001=x\r\n' > cat/vmnone.lng
printf '[info]\r\nlang name=Other\r\n' > cat/other.lng
out=$($tool lang catalog cat | tr -d '\r')
grep -q '^\[{"name":"Alpha","path":"cat\\\\vmalpha.lng"},{"name":"zulu","path":"cat\\\\VMZUL.LNG"}\]$' <<<"$out" ||
  fail "bad catalogue of cat: $out"
expect_fail 1 lang catalog none
expect_fail 1 lang catalog missing-folder
[ "$($tool lang get "$lng/vmdeu.lng" "image list column" HEIGHT | od -An -tx1 | tr -d ' \n')" = "48f66865" ] ||
  fail "bad German text"
[ "$($tool lang get "$lng/vmeng.lng" Menu Help | od -An -c | tr -s ' ')" = " & H e l p \t F 1" ] ||
  fail "bad escape: $($tool lang get "$lng/vmeng.lng" Menu Help | od -An -c)"
[ "$($tool lang font "$lng/vmeng.lng" "Command Button" | tr -d '\r')" = '{"name":"Arial","size":12,"weight":700}' ] ||
  fail "bad font"
[ "$($tool lang info "$lng/vmeng.lng" | tr -d '\r')" = '{"lang name":"English","author":"Velum","version":"1.0","vm ver":"1.10"}' ] ||
  fail "bad info"
expect_fail 1 lang get "$lng/vmeng.lng" Menu Nothing
expect_fail 1 lang get cat/vmnone.lng Strings 0001
expect_fail 1 lang font "$lng/vmeng.lng" Menu
expect_fail 1 lang info cat/vmnone.lng
expect_fail 2 lang get onlyfile

# settings: written and read back as natively; a damaged file is refused.
[ "$($tool version)" = "1.10" ] || fail "version: $($tool version)"
echo '{"m_nInterval":10,"m_nOpacity":60,"m_nSizeMode":3,"m_strLanguageFile":"C:\\x\\vmeng.lng",
       "m_region":{"m_nWidth":640,"m_nHeight":480,"m_nLeft":100,"m_nTop":50,"m_nFitMode":0,"m_nPositionMode":1},
       "m_images":[{"path":"C:\\pics","isFolder":1,"includeSubFolders":0},{"path":"C:\\a\u00e4.jpg"}]}' |
  $tool settings write vm.dat
head -c 8 vm.dat | od -An -tx1 | tr -s ' ' | grep -q '56 4c 50 46 00 0a 01 00' || fail "bad header: $(od -An -tx1 vm.dat | head -2)"
out=$($tool settings show vm.dat)
for want in '"version":68096' '"m_nInterval":10' '"m_nOpacity":60' '"m_nSizeMode":3' \
            '"m_region":{"m_nWidth":640,"m_nHeight":480,"m_nLeft":100,"m_nTop":50,"m_nFitMode":0,"m_nPositionMode":1}' \
            '"path":"C:\\a\u00E4.jpg"' '"isFolder":1,"includeSubFolders":0'; do
  grep -qF "$want" <<<"$out" || fail "settings show lacks $want: $out"
done
head -c 30 vm.dat > cut.dat
expect_fail 1 settings show cut.dat

# speedtest: this machine's clock (whatever the processor's make) and the wizard's region
# for the session's 1280 x 1024 screen.
out=$($tool speedtest | tr -d '\r')
echo "$out"
python3 - "$out" <<'PY'
import json, re, sys
d = json.loads(sys.argv[1])
assert list(d) == ["mhz", "sizeMode", "region"], d
r = d["region"]
assert list(r) == ["m_nWidth", "m_nHeight", "m_nLeft", "m_nTop"], r
mhz = d["mhz"]
assert mhz > 0, "no clock measured"
# Within a factor of two of what Linux says, where it says anything.
try:
    mhzs = [float(m) for m in re.findall(r"^cpu MHz\s*:\s*([0-9.]+)", open("/proc/cpuinfo").read(), re.M)]
except OSError:
    mhzs = []
if mhzs:
    assert max(mhzs) / 2 < mhz < max(mhzs) * 2, (mhz, max(mhzs))
if d["sizeMode"] == 1:
    assert mhz >= 1500 and r["m_nWidth"] == -1 and r["m_nHeight"] == -1, d
else:
    assert d["sizeMode"] == 3 and 0 < r["m_nWidth"] < 1280 and 0 < r["m_nHeight"] < 1024, d
    assert (r["m_nLeft"], r["m_nTop"]) == ((1280 - r["m_nWidth"]) // 2, (1024 - r["m_nHeight"]) // 2), d
PY
expect_fail 2 speedtest now
echo ok
