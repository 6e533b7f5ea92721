# Photographs with an EXIF orientation tag render, thumbnail and list upright, whichever of
# the eight values they carry and whichever decoder reads them.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
cd "$TEST_TMP"

with_exif() {  # in.jpg out.jpg orientation: the tag in an APP1 segment right after the start
  python3 -c '
import struct, sys
src, dst, o = sys.argv[1], sys.argv[2], int(sys.argv[3])
ifd = struct.pack(">H", 1) + struct.pack(">HHIHH", 0x0112, 3, 1, o, 0) + struct.pack(">I", 0)
body = b"Exif\0\0MM" + struct.pack(">HI", 42, 8) + ifd
d = open(src, "rb").read()
open(dst, "wb").write(d[:2] + b"\xff\xe1" + struct.pack(">H", len(body) + 2) + body + d[2:])' "$@"
}
colour_at() {  # FILE X Y -> "r,g,b"
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
near() {
  local IFS=,
  read -r a b c <<<"$1"
  read -r x y z <<<"$2"
  (( a-x < 25 && x-a < 25 && b-y < 25 && y-b < 25 && c-z < 25 && z-c < 25 ))
}
red=220,30,30 green=30,200,30 blue=30,30,220
# Upright: red top-left, green top-right, blue bottom half. Any turn or mirror shows.
convert -size 64x48 xc:"rgb($blue)" -fill "rgb($red)" -draw 'rectangle 0,0 31,23' \
  -fill "rgb($green)" -draw 'rectangle 32,0 63,23' upright.png
# What a camera stores for each tag: the upright picture turned back.
undo=("" "" "-flop" "-rotate 180" "-flip" "-transpose" "-rotate -90" "-transverse" "-rotate 90")

fail=0
check() {  # FILE W H: render, thumbnail and header agree on the upright picture
  local f=$1 w=$2 h=$3 out th info
  out=$($tool render "$f" --size-mode 0 --fit 0 --width 400 --height 300 --out "r_$f.bmp")
  case "$out" in "{\"width\":$w,\"height\":$h,"*) ;; *) echo "$f render: $out"; fail=1; return ;; esac
  near "$(colour_at "r_$f.bmp" 4 4)" $red && near "$(colour_at "r_$f.bmp" $((w - 5)) 4)" $green &&
    near "$(colour_at "r_$f.bmp" $((w / 2)) $((h - 5)))" $blue ||
    { echo "$f render corners: $(colour_at "r_$f.bmp" 4 4) $(colour_at "r_$f.bmp" $((w - 5)) 4)"; fail=1; }
  th=$($tool thumbnail "$f" --box 32 32 --out "t_$f.bmp")
  case "$th" in "{\"width\":32,\"height\":$((32 * h / w)),\"pictureWidth\":$w,\"pictureHeight\":$h,"*) ;;
    *) echo "$f thumbnail: $th"; fail=1; return ;; esac
  near "$(colour_at "t_$f.bmp" 2 2)" $red || { echo "$f thumbnail top-left: $(colour_at "t_$f.bmp" 2 2)"; fail=1; }
}

for o in 1 2 3 4 5 6 7 8; do
  convert upright.png ${undo[$o]} -quality 95 stored.jpg
  with_exif stored.jpg "o$o.jpg" $o
  [ "$(identify -format '%[EXIF:Orientation]' "o$o.jpg")" = "$o" ] || { echo "o$o.jpg: tag not written"; fail=1; }
  check "o$o.jpg" 64 48
  info=$($tool imageinfo "o$o.jpg")
  case "$info" in *'"width":64,"height":48,'*) ;; *) echo "o$o.jpg imageinfo: $info"; fail=1 ;; esac
done

# A large photograph's thumbnail comes from the eighth-size decode, a progressive one from
# the system codec; both turn the same way.
convert upright.png -resize 1600x1200 -rotate -90 -quality 90 stored.jpg
with_exif stored.jpg big6.jpg 6
check big6.jpg 1600 1200
convert upright.png -rotate 90 -interlace JPEG stored.jpg
with_exif stored.jpg prog8.jpg 8
check prog8.jpg 64 48
# TIFF keeps the tag in its own first directory.
convert upright.png -rotate -90 -orient RightTop o6.tif
check o6.tif 64 48
convert upright.png -rotate 180 -orient BottomRight o3.tif
check o3.tif 64 48
# A tag that makes no sense leaves the picture as stored.
convert upright.png -quality 95 stored.jpg
with_exif stored.jpg o9.jpg 9
check o9.jpg 64 48
exit $fail
