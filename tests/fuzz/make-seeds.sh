#!/usr/bin/env bash
# Writes seed corpora of the fuzz targets: small valid pictures of each header format and
# its common variants (ImageMagick's convert), settings files (velum-tool) and a site list.
#   bash tests/fuzz/make-seeds.sh [VELUM-TOOL]   (default: build/native/tools/velum-tool)
set -euo pipefail
tool=$(realpath "${1:-$(dirname "$0")/../../build/native/tools/velum-tool}")
cd "$(dirname "$0")/corpus"
command -v convert >/dev/null || { echo "convert (ImageMagick) is needed" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Targets with several readers: each seed starts with its reader's selector byte.
put() {  # target selector file: the file goes into the target's corpus after the byte
    mkdir -p "$1"
    { printf "\\$(printf %03o "$2")"; cat "$3"; } >"$1/$(basename "$3")"
}
mk() {  # selector name options...: a picture for the header readers
    local selector=$1 name=$2
    shift 2
    convert -size 6x4 gradient:red-blue "$@" "$tmp/$name"
    put headerinfo_fuzz "$selector" "$tmp/$name"
}
mk 0 rgb.bmp
convert -size 6x4 gradient:red-blue -type TrueColor "BMP2:$tmp/core.bmp"
put headerinfo_fuzz 0 "$tmp/core.bmp"
mk 0 palette.bmp -colors 4 -type Palette
mk 0 alpha.bmp -alpha set -channel A -evaluate set 50% +channel
mk 2 baseline.jpg -quality 90
mk 2 progressive.jpg -interlace JPEG
mk 2 grey.jpg -colorspace Gray
mk 2 lowquality.jpg -quality 5 -set comment seed
mk 2 exif.jpg -set exif:ImageDescription seed -define jpeg:sampling-factor=2x2
mk 1 palette.gif
mk 1 two.gif -colors 2
mk 4 rgb.tga
mk 4 rle.tga -compress RLE
mk 4 grey.tga -colorspace Gray
mk 3 rgb.pcx
mk 3 palette.pcx -colors 4 -type Palette
# EXIF orientation: the tag in a JPEG's APP1 segment in both byte orders, and in a TIFF.
with_exif() {  # in.jpg out.jpg orientation II|MM
    python3 -c '
import struct, sys
src, dst, o, order = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
e = "<" if order == "II" else ">"
ifd = struct.pack(e + "H", 1) + struct.pack(e + "HHIHH", 0x0112, 3, 1, o, 0) + struct.pack(e + "I", 0)
body = b"Exif\0\0" + order.encode() + struct.pack(e + "HI", 42, 8) + ifd
d = open(src, "rb").read()
open(dst, "wb").write(d[:2] + b"\xff\xe1" + struct.pack(">H", len(body) + 2) + body + d[2:])' "$@"
}
convert -size 6x4 gradient:red-blue "$tmp/plain.jpg"
with_exif "$tmp/plain.jpg" "$tmp/right.jpg" 6 II
with_exif "$tmp/plain.jpg" "$tmp/left.jpg" 8 MM
convert -size 6x4 gradient:red-blue -orient TopRight "$tmp/mirrored.tif"
for f in right.jpg left.jpg mirrored.tif; do put headerinfo_fuzz 5 "$tmp/$f"; done

# Settings files (0), image lists (1) and site lists (2) share one target.
mkdir -p answer_fuzz
"$tool" settings defaults | "$tool" settings write "$tmp/defaults.dat"
echo '{"m_nInterval":10,"m_strLanguageFile":"C:\\x\\vmeng.lng",
       "m_images":[{"path":"C:\\pics","isFolder":1,"includeSubFolders":0},{"path":"C:\\a\u00e4.jpg"}],
       "m_sites":[{"name":"A","url":"http://a.example","description":"d"}]}' |
  "$tool" settings write "$tmp/images.dat"
# Names outside the code page: stored wide in the settings file, as UTF-8 in an image list.
echo '{"m_strLanguageFile":{"unicode":"C:\\Zdj\u0119cia\\vmeng.lng"},
       "m_images":[{"path":{"unicode":"C:\\\u03a9\u03bc\u03ad\u03b3\u03b1.bmp"}},{"path":"C:\\Z\u00fcrich"}]}' |
  "$tool" settings write "$tmp/unicode.dat"
echo '[{"path":{"unicode":"C:\\Zdj\u0119cia"},"includeSubFolders":1},{"path":{"unicode":"C:\\\ud83d\ude00.jpg"}}]' |
  "$tool" imagelist write "$tmp/unicode.iml"
printf '<wallpaper_site>\r\n<name>One</name>\r\n<url>http://one.example</url>\r\n<description>first</description>\r\n</wallpaper_site>\r\n<wallpaper_site>\r\n<name>Two</name>\r\n<url>http://two.example</url>\r\n</wallpaper_site>\r\n' >"$tmp/two.txt"
for f in defaults.dat images.dat unicode.dat; do put settings_fuzz 0 "$tmp/$f"; done
put settings_fuzz 1 "$tmp/unicode.iml"
put settings_fuzz 2 "$tmp/two.txt"
# Server answers: a text first (version, news, address), then the bytes the fake server plays.
printf '10a01\r\n\000\001\002\003\004\005\006\007\010\011\012\013hello world\000\000\000' >answer_fuzz/version.bin
printf '\357\273\277Velum 1.11\r\n- faster\r\nhttps://download.velum-project.org/vm/x\020\040\060\100\120\140\160\200\220\240\260\300\320\340\360' >answer_fuzz/news.bin
