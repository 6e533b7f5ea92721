#!/usr/bin/env bash
# Writes the seed corpora of the picture header fuzz targets with ImageMagick's convert:
# small valid pictures of each format and its common variants.
#   bash tests/fuzz/make-header-seeds.sh   (from the repository root)
set -euo pipefail
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
