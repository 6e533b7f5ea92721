# velum-tool.exe reads picture headers under Wine as natively: Windows paths, upper-case
# extensions, a dot only in a folder name, and files that fail.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
seeds=$SOURCE_DIR/tests/fuzz/corpus
cd "$TEST_TMP"
mkdir -p my.pics
cp "$seeds/jpginfo_fuzz/progressive.jpg" PHOTO.JPG
cp "$seeds/bmpinfo_fuzz/core.bmp" my.pics/core.dib
cp "$seeds/gifinfo_fuzz/palette.gif" my.pics/photo
head -c 17 "$seeds/tgainfo_fuzz/rgb.tga" > short.tga

out=$($tool imageinfo 'PHOTO.JPG' 'my.pics\core.dib' 'my.pics\photo' short.tga "$seeds/pcxinfo_fuzz/rgb.pcx" \
      "$seeds/tgainfo_fuzz/rle.tga" missing.gif | tr -d '\r')
echo "$out"
expected='{"path":"PHOTO.JPG","width":6,"height":4,"depth":24}
{"path":"my.pics\\core.dib","width":6,"height":4,"depth":24}
{"path":"my.pics\\photo","width":0,"height":0,"depth":0}
{"path":"short.tga","width":0,"height":0,"depth":0}
{"path":"'$seeds'/pcxinfo_fuzz/rgb.pcx","width":6,"height":4,"depth":8}
{"path":"'$seeds'/tgainfo_fuzz/rle.tga","width":6,"height":4,"depth":24}
{"path":"missing.gif","width":0,"height":0,"depth":0}'
[ "$out" = "$expected" ] || { echo "expected:"; echo "$expected"; exit 1; }

set +e
$tool imageinfo >/dev/null 2>&1
rc=$?
set -e
[ $rc -eq 2 ] || { echo "no path: rc=$rc"; exit 1; }
