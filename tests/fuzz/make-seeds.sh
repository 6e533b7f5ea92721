#!/usr/bin/env bash
# Writes seed corpora of the fuzz targets: small valid pictures of each header format and
# its common variants (ImageMagick's convert), settings files (velum-tool) and a site list.
#   bash tests/fuzz/make-seeds.sh [VELUM-TOOL]   (default: build/native/tools/velum-tool)
set -euo pipefail
tool=$(realpath "${1:-$(dirname "$0")/../../build/native/tools/velum-tool}")
cd "$(dirname "$0")/corpus"
command -v convert >/dev/null || { echo "convert (ImageMagick) is needed" >&2; exit 1; }
mk() {  # target name options...
    local dir=$1 name=$2
    shift 2
    mkdir -p "$dir"
    convert -size 6x4 gradient:red-blue "$@" "$dir/$name"
}
mk bmpinfo_fuzz rgb.bmp
convert -size 6x4 gradient:red-blue -type TrueColor BMP2:bmpinfo_fuzz/core.bmp
mk bmpinfo_fuzz palette.bmp -colors 4 -type Palette
mk bmpinfo_fuzz alpha.bmp -alpha set -channel A -evaluate set 50% +channel
mk jpginfo_fuzz baseline.jpg -quality 90
mk jpginfo_fuzz progressive.jpg -interlace JPEG
mk jpginfo_fuzz grey.jpg -colorspace Gray
mk jpginfo_fuzz lowquality.jpg -quality 5 -set comment seed
mk jpginfo_fuzz exif.jpg -set exif:ImageDescription seed -define jpeg:sampling-factor=2x2
mk gifinfo_fuzz palette.gif
mk gifinfo_fuzz two.gif -colors 2
mk tgainfo_fuzz rgb.tga
mk tgainfo_fuzz rle.tga -compress RLE
mk tgainfo_fuzz grey.tga -colorspace Gray
mk pcxinfo_fuzz rgb.pcx
mk pcxinfo_fuzz palette.pcx -colors 4 -type Palette
# The header readers share one target: each seed starts with its reader's selector byte.
selector=0
for reader in bmpinfo_fuzz gifinfo_fuzz jpginfo_fuzz pcxinfo_fuzz tgainfo_fuzz; do
  mkdir -p headerinfo_fuzz
  for f in "$reader"/*; do
    { printf "\\$(printf %03o "$selector")"; cat "$f"; } >"headerinfo_fuzz/$(basename "$f")"
  done
  rm -r "$reader"
  selector=$((selector + 1))
done
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
mk exif_fuzz plain.jpg
with_exif exif_fuzz/plain.jpg exif_fuzz/right.jpg 6 II
with_exif exif_fuzz/plain.jpg exif_fuzz/left.jpg 8 MM
rm exif_fuzz/plain.jpg
mk exif_fuzz mirrored.tif -orient TopRight

mkdir -p settings_fuzz sitelist_fuzz answer_fuzz
"$tool" settings defaults | "$tool" settings write settings_fuzz/defaults.dat
echo '{"m_nInterval":10,"m_strLanguageFile":"C:\\x\\vmeng.lng",
       "m_images":[{"path":"C:\\pics","isFolder":1,"includeSubFolders":0},{"path":"C:\\a\u00e4.jpg"}],
       "m_sites":[{"name":"A","url":"http://a.example","description":"d"}]}' |
  "$tool" settings write settings_fuzz/images.dat
# Names outside the code page: stored wide in the settings file, as UTF-8 in an image list.
echo '{"m_strLanguageFile":{"unicode":"C:\\Zdj\u0119cia\\vmeng.lng"},
       "m_images":[{"path":{"unicode":"C:\\\u03a9\u03bc\u03ad\u03b3\u03b1.bmp"}},{"path":"C:\\Z\u00fcrich"}]}' |
  "$tool" settings write settings_fuzz/unicode.dat
mkdir -p imagelist_fuzz
echo '[{"path":{"unicode":"C:\\Zdj\u0119cia"},"includeSubFolders":1},{"path":{"unicode":"C:\\\ud83d\ude00.jpg"}}]' |
  "$tool" imagelist write imagelist_fuzz/unicode.iml
printf '<wallpaper_site>\r\n<name>One</name>\r\n<url>http://one.example</url>\r\n<description>first</description>\r\n</wallpaper_site>\r\n<wallpaper_site>\r\n<name>Two</name>\r\n<url>http://two.example</url>\r\n</wallpaper_site>\r\n' >sitelist_fuzz/two.txt
# Server answers: a text first (version, news, address), then the bytes the fake server plays.
printf '10a01\r\n\000\001\002\003\004\005\006\007\010\011\012\013hello world\000\000\000' >answer_fuzz/version.bin
printf '\357\273\277Velum 1.11\r\n- faster\r\nhttps://download.velum-project.org/vm/x\020\040\060\100\120\140\160\200\220\240\260\300\320\340\360' >answer_fuzz/news.bin
