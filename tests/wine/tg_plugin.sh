# tg.dll through velum-tool: every picture extension the program lists either renders with the
# right colours and orientation or fails with exit 1; damaged files never crash it; photographs
# with an EXIF orientation tag come out upright.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
tool="$WINE $PROGRAM_DIR/velum-tool.exe"
cd "$TEST_TMP"

# Top half red, bottom half blue: a flipped or mirrored decode shows.
convert -size 240x160 xc:'rgb(220,20,20)' -fill 'rgb(20,20,220)' -draw 'rectangle 0,80 239,159' pic.png
for e in bmp jpg jpeg gif tif tiff pcx; do convert pic.png "pic.$e"; done
# The converter stores rows as they are and only flags the origin: top-left as RLE, and
# bottom-left with the rows flipped first.
convert pic.png -orient TopLeft -compress RLE pic.tga
convert pic.png -flip -orient BottomLeft -type TrueColor -alpha off pic24.tga
convert pic.png -type Palette pic8.pcx
convert pic.png -type Palette -compress RLE pic8.bmp
convert pic.png -resize 48x32 pic.ico
cp pic.bmp pic.dib
cp pic8.bmp pic.rle

colour_at() {  # FILE X Y -> "r,g,b"
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
near() {  # "r,g,b" "r,g,b" [TOLERANCE] -> true when every channel is within 12 (or TOLERANCE)
  local IFS=, t=$((${3:-12} + 1))
  read -r a b c <<<"$1"
  read -r x y z <<<"$2"
  (( ${a#-}-x < t && x-a < t && b-y < t && y-b < t && c-z < t && z-c < t ))
}

fail=0
for f in pic.png pic.bmp pic.jpg pic.jpeg pic.gif pic.tif pic.tiff pic.tga pic24.tga pic.pcx pic8.pcx pic8.bmp pic.dib pic.rle; do
  out=$($tool render "$f" --size-mode 3 --fit 1 --width 120 --height 120 --out "r_$f.bmp") || { echo "render $f failed"; fail=1; continue; }
  [ "$out" = '{"width":120,"height":80,"msPerRender":'"${out##*:}" ] || { echo "render $f: $out"; fail=1; continue; }
  top=$(colour_at "r_$f.bmp" 60 10); bottom=$(colour_at "r_$f.bmp" 60 70)
  if ! near "$top" 220,20,20 || ! near "$bottom" 20,20,220; then echo "$f: top $top bottom $bottom"; fail=1; fi
  th=$($tool thumbnail "$f" --box 64 64 --out "t_$f.bmp") || { echo "thumbnail $f failed"; fail=1; continue; }
  case "$th" in '{"width":64,"height":43,"pictureWidth":240,"pictureHeight":160,"msPerThumbnail":'*) ;;
    *) echo "thumbnail $f: $th"; fail=1 ;; esac
done
# A large JPEG's thumbnail comes from the eighth-size decode; colours and orientation hold.
convert pic.png -resize 1600x1200 -quality 90 big.jpg
th=$($tool thumbnail big.jpg --box 64 64 --out t_big.bmp)
case "$th" in '{"width":64,"height":43,"pictureWidth":1600,"pictureHeight":1067,'*) ;; *) echo "big.jpg: $th"; fail=1 ;; esac
near "$(colour_at t_big.bmp 32 5)" 220,20,20 && near "$(colour_at t_big.bmp 32 38)" 20,20,220 ||
  { echo "big.jpg thumbnail: $(colour_at t_big.bmp 32 5) / $(colour_at t_big.bmp 32 38)"; fail=1; }
out=$($tool render pic.ico --size-mode 0 --fit 0 --width 400 --height 300)
case "$out" in '{"width":48,"height":32,'*) ;; *) echo "ico: $out"; fail=1 ;; esac

# Tiled covers the 1280x1024 screen (the fitted sizes are arithmetic, tested natively).
got=$($tool render pic.png --size-mode 2 --fit 0 --width 400 --height 300 | sed 's/,"msPerRender".*//')
[ "$got" = '{"width":1280,"height":1024' ] || { echo "tiled render: $got"; fail=1; }
# Tiled: the picture repeats from the top-left, so row 170 is red again.
$tool render pic.png --size-mode 2 --fit 0 --width 1 --height 1 --out tiled.bmp >/dev/null
near "$(colour_at tiled.bmp 250 170)" 220,20,20 || { echo "tiled: $(colour_at tiled.bmp 250 170)"; fail=1; }

# Damaged, foreign and missing files: exit 1 (or a picture, for a codec that shows what it has).
head -c 400 pic.png > cut.png
head -c 700 pic.jpg > cut.jpg
head -c 2000 pic.bmp > cut.bmp
printf 'not a picture at all, just text\n' > junk.pic
cp junk.pic junk.emf; cp junk.pic junk.wmf
for f in cut.png cut.jpg cut.bmp junk.pic junk.emf junk.wmf missing.png; do
  set +e
  out=$($tool render "$f" --size-mode 1 --fit 0 --width 400 --height 300 2>/dev/null); rc=$?
  $tool thumbnail "$f" --box 64 64 >/dev/null 2>&1; rc2=$?
  set -e
  case "$f" in cut.jpg|cut.bmp|cut.png) ok="0 1" ;; *) ok="1" ;; esac
  [[ " $ok " == *" $rc "* && " $ok " == *" $rc2 "* ]] || { echo "$f: render exit $rc ($out), thumbnail exit $rc2"; fail=1; }
done
# EXIF orientation 6: photographs render and thumbnail upright whichever decoder reads them
# (the tag's reading and the eight turns are tested natively).
with_exif() {  # in.jpg out.jpg orientation: the tag in an APP1 segment right after the start
  python3 -c '
import struct, sys
src, dst, o = sys.argv[1], sys.argv[2], int(sys.argv[3])
ifd = struct.pack(">H", 1) + struct.pack(">HHIHH", 0x0112, 3, 1, o, 0) + struct.pack(">I", 0)
body = b"Exif\0\0MM" + struct.pack(">HI", 42, 8) + ifd
d = open(src, "rb").read()
open(dst, "wb").write(d[:2] + b"\xff\xe1" + struct.pack(">H", len(body) + 2) + body + d[2:])' "$@"
}
red=220,30,30 green=30,200,30 blue=30,30,220
# Upright: red top-left, green top-right, blue bottom half. Any turn or mirror shows.
convert -size 64x48 xc:"rgb($blue)" -fill "rgb($red)" -draw 'rectangle 0,0 31,23' \
  -fill "rgb($green)" -draw 'rectangle 32,0 63,23' upright.png
upright() {  # FILE W H: render and thumbnail show the upright picture
  local f=$1 w=$2 h=$3 out th
  out=$($tool render "$f" --size-mode 0 --fit 0 --width 400 --height 300 --out "r_$f.bmp")
  case "$out" in "{\"width\":$w,\"height\":$h,"*) ;; *) echo "$f render: $out"; fail=1; return ;; esac
  near "$(colour_at "r_$f.bmp" 4 4)" $red 24 && near "$(colour_at "r_$f.bmp" $((w - 5)) 4)" $green 24 &&
    near "$(colour_at "r_$f.bmp" $((w / 2)) $((h - 5)))" $blue 24 ||
    { echo "$f render corners: $(colour_at "r_$f.bmp" 4 4) $(colour_at "r_$f.bmp" $((w - 5)) 4)"; fail=1; }
  th=$($tool thumbnail "$f" --box 32 32 --out "t_$f.bmp")
  case "$th" in "{\"width\":32,\"height\":$((32 * h / w)),\"pictureWidth\":$w,\"pictureHeight\":$h,"*) ;;
    *) echo "$f thumbnail: $th"; fail=1; return ;; esac
  near "$(colour_at "t_$f.bmp" 2 2)" $red 24 || { echo "$f thumbnail top-left: $(colour_at "t_$f.bmp" 2 2)"; fail=1; }
}
convert upright.png -rotate -90 -quality 95 stored.jpg
with_exif stored.jpg o6.jpg 6
upright o6.jpg 64 48
# A large photograph's thumbnail comes from the eighth-size decode; TIFF keeps the tag in
# its own first directory.
convert upright.png -resize 1600x1200 -rotate -90 -quality 90 stored.jpg
with_exif stored.jpg big6.jpg 6
upright big6.jpg 1600 1200
convert upright.png -rotate -90 -orient RightTop o6.tif
upright o6.tif 64 48
exit $fail
