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

# imageinfo: Windows paths, an upper-case extension, a dot only in a folder name, a missing file.
# The header seeds start with their reader's selector byte.
seeds=$SOURCE_DIR/tests/fuzz/corpus/headerinfo_fuzz
mkdir -p my.pics
tail -c +2 "$seeds/progressive.jpg" >PHOTO.JPG
tail -c +2 "$seeds/palette.gif" >my.pics/photo
out=$($tool imageinfo 'PHOTO.JPG' 'my.pics\photo' missing.gif | tr -d '\r')
expected='{"path":"PHOTO.JPG","width":6,"height":4,"depth":24}
{"path":"my.pics\\photo","width":0,"height":0,"depth":0}
{"path":"missing.gif","width":0,"height":0,"depth":0}'
[ "$out" = "$expected" ] || fail "imageinfo gave:"$'\n'"$out"$'\n'"expected:"$'\n'"$expected"
expect_fail 2 imageinfo

# imagelist and displaylist through the Windows file search (the rebuild's order and rules
# are tested natively): a folder holding two pictures and a link back to itself, and one to
# a folder elsewhere: each folder is visited once, whatever path leads there.
root=$($WINE winepath -w "$TEST_TMP" 2>/dev/null | tr -d '\r')
[ -n "$root" ] || fail "winepath gave nothing"
printf '<header><ver>1.1</ver></header>' > bad.iml
expect_fail 1 imagelist show bad.iml
expect_fail 1 imagelist show missing.iml
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

# Names outside the code page (1252 here): the display list gives them whole, in UTF-8 after
# a byte-order mark; paths are taken in Unicode, the file name of the list included; an
# image list of such names round-trips through JSON.
mkdir -p uni/Zdjęcia
for f in plain.bmp Ωμέγα.bmp 日本.bmp Zdjęcia/lato.bmp; do : > "uni/$f"; done
printf '[{"path":"%s","includeSubFolders":1}]' "${root//\\/\\\\}\\\\uni" | $tool imagelist write 'uni\Ωλίστα.iml'
$tool displaylist 'uni\Ωλίστα.iml' | tr -d '\r' > unidisplay.txt
[ "$(head -c 3 unidisplay.txt | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "display list not in UTF-8: $(od -c unidisplay.txt | head)"
got=$(sed '1s/^\xEF\xBB\xBF//; s/.*\\uni\\//' unidisplay.txt | sort | tr '\n' ' ')
[ "$got" = "Zdjęcia\\lato.bmp plain.bmp Ωμέγα.bmp 日本.bmp " ] || fail "display list: $got"
printf '[{"path":"C:\\\\Z\\u00fcrich.jpg"},{"path":{"unicode":"C:\\\\\\u65e5\\u672c.bmp"}}]' | $tool imagelist write uni.iml
$tool imagelist show uni.iml | $tool imagelist write again.iml
cmp -s uni.iml again.iml || fail "the image list did not round-trip"
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
[ "$($tool lang get "$lng/vmeng.lng" Menu Help | od -An -c | tr -s ' ')" = " & H e l p \t F 1" ] ||
  fail "bad escape: $($tool lang get "$lng/vmeng.lng" Menu Help | od -An -c)"
expect_fail 1 lang get "$lng/vmeng.lng" Menu Nothing
expect_fail 2 lang get onlyfile

# settings: written and read back; a damaged file is refused.
[ "$($tool version)" = "1.10" ] || fail "version: $($tool version)"
echo '{"m_nInterval":10,"m_region":{"m_nWidth":640,"m_nHeight":480,"m_nLeft":100,"m_nTop":50,"m_nFitMode":0,"m_nPositionMode":1},
       "m_images":[{"path":"C:\\pics","isFolder":1,"includeSubFolders":0},{"path":"C:\\a\u00e4.jpg"}]}' |
  $tool settings write vm.dat
out=$($tool settings show vm.dat)
for want in '"m_nInterval":10' '"m_nWidth":640,"m_nHeight":480,"m_nLeft":100' '"path":"C:\\a\u00E4.jpg"'; do
  grep -qF "$want" <<<"$out" || fail "settings show lacks $want: $out"
done
head -c 30 vm.dat > cut.dat
expect_fail 1 settings show cut.dat

# speedtest: a clock measured on this machine, whatever the processor's make.
out=$($tool speedtest | tr -d '\r')
echo "$out"
[[ $out =~ ^\{\"mhz\":[1-9][0-9]*,\"sizeMode\":[13], ]] || fail "speedtest: $out"
expect_fail 2 speedtest now
echo ok
