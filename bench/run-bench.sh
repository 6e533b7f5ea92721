#!/usr/bin/env bash
# Speed and quality of the picture plug-in against ImageMagick and vipsthumbnail, on the
# GNOME backgrounds and a 24-megapixel photograph-like JPEG that this script makes.
#   bash bench/run-bench.sh        (needs the mingw64 build; builds it when missing)
# Prints ms per picture for each tool, the ratios, and the PSNR of our results against
# ImageMagick's area-filtered (box) ones. Not part of the tests.
set -euo pipefail
trap 'echo "run-bench: failed at line $LINENO: $BASH_COMMAND" >&2' ERR
cd "$(dirname "$0")/.."
SRC=$PWD
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -j2 --target velum-tool tg >"${TMPDIR:-/tmp}/run-bench-build.log" ||
  { tail -n 30 "${TMPDIR:-/tmp}/run-bench-build.log" >&2; exit 1; }
PROGRAM_DIR=$SRC/build/mingw64/program
WORK=${BENCH_DIR:-$SRC/build/bench}
mkdir -p "$WORK/pictures" "$WORK/out"
g++ -O2 -std=c++17 -I"$SRC" bench/scale_bench.cpp tg/core/Scale.cpp tg/core/Image.cpp tg/core/Sizing.cpp \
  -o "$WORK/scale_bench"

. scripts/wine-session.sh
wine_session_start >/dev/null || { echo "run-bench: no Wine session" >&2; exit 1; }
tool() { "$WINE" "$PROGRAM_DIR/velum-tool.exe" "$@" </dev/null; }

# Pictures: the large GNOME backgrounds as JPEG at full size, and a 6000 x 4000 JPEG.
cd "$WORK/pictures"
for f in /usr/share/backgrounds/gnome/{pixels-l,wood-d,truchet-d}.webp; do
  [ -f "$f" ] || continue
  n=$(basename "${f%.webp}").jpg
  [ -f "$n" ] || convert "$f" -quality 92 "$n"
done
[ -f photo24mp.jpg ] || convert /usr/share/backgrounds/gnome/pixels-l.webp -resize '6000x4000!' \
  -attenuate 0.4 +noise Gaussian -blur 0x0.6 -quality 92 photo24mp.jpg
cd "$WORK"

now() { date +%s%N; }
ms_of() {  # runs the command REPEAT times, prints mean ms
  local n=$1; shift
  local t0; t0=$(now)
  for _ in $(seq 1 "$n"); do "$@" >/dev/null 2>&1; done
  echo $(( ($(now) - t0) / 1000000 / n ))
}
field() { sed -n "s/.*\"$1\":\\([0-9]*\\).*/\\1/p"; }
psnr() { compare -metric PSNR "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }  # exits 1 when they differ
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

R=3
printf '%-16s %10s %8s %8s %7s %8s %8s | %8s %8s %7s %8s %8s | %8s %8s %6s\n' picture size \
  render im-res vips psnr ratioIM thumb im-thumb vips psnr ratioV scale im-ppm x
for p in pictures/*.jpg; do
  name=$(basename "$p" .jpg)
  wp=$(winepath -w "$SRC/build/bench/$p" 2>/dev/null || winepath -w "$WORK/$p")
  size=$(identify -format '%wx%h' "$p")
  # Render to 1920 x 1080 fit, through tg.dll as the display window asks for it.
  r=$(tool render "$wp" --size-mode 3 --fit 1 --width 1920 --height 1080 --repeat $R --out "$(winepath -w "$WORK/out/$name.render.bmp")" | field msPerRender)
  imr=$(ms_of $R convert "$p" -resize 1920x1080 out/$name.im.bmp)
  vr=$(ms_of $R vipsthumbnail "$p" -s 1920x1080 -o "$WORK/out/$name.vips.ppm")
  convert "$p" -filter Box -resize 1920x1080 out/$name.box.png
  pr=$(psnr out/$name.render.bmp out/$name.box.png)
  # Thumbnails in a 128 x 128 box.
  t=$(tool thumbnail "$wp" --box 128 128 --repeat $R --out "$(winepath -w "$WORK/out/$name.thumb.bmp")" | field msPerThumbnail)
  imt=$(ms_of $R convert -define jpeg:size=256x256 "$p" -thumbnail 128x128 out/$name.imt.bmp)
  vt=$(ms_of $R vipsthumbnail "$p" -s 128 -o "$WORK/out/$name.vt.ppm")
  convert -define jpeg:size=256x256 "$p" -filter Box -resize 128x128 out/$name.tbox.png
  pt=$(psnr out/$name.thumb.bmp out/$name.tbox.png)
  # The downscaler alone against convert -resize, from the same decoded pixels.
  convert "$p" out/$name.ppm
  s=$(./scale_bench out/$name.ppm 1920 1080 $R out/$name.scaled.ppm)
  ims=$(ms_of $R convert out/$name.ppm -resize 1920x1080 out/$name.imscaled.ppm)
  printf '%-16s %10s %8s %8s %7s %8s %8s | %8s %8s %7s %8s %8s | %8s %8s %6s\n' "$name" "$size" \
    "$r" "$imr" "$vr" "$pr" "$(ratio "$imr" "$r")" "$t" "$imt" "$vt" "$pt" "$(ratio "$vt" "$t")" \
    "$s" "$ims" "$(ratio "$ims" "$s")"
done
echo "ms per picture (mean of $R); ratioIM = ImageMagick / ours for the render, ratioV = vipsthumbnail / ours for the"
echo "thumbnail, x = convert -resize / our downscaler on the same decoded pixels; psnr in dB against -filter Box"
