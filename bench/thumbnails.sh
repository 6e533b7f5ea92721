#!/usr/bin/env bash
# The Thumbnails view under Wine on a 1280 x 1024 screen against the usual tools:
#  - 200 photographs (the GNOME backgrounds as JPEG at five sizes, plus twenty 24-megapixel
#    JPEGs): the time from the switch to Thumbnails until all 200 rows have theirs, with
#    the longest answer of the window to a message meanwhile; the same files through
#    `vipsthumbnail -s 128` (one process for all) and `convert -thumbnail 128x128` (one
#    process a file);
#  - 20,000 rows scrolled from top to bottom: the most thumbnails alive at once and memory.
#   bash bench/thumbnails.sh [BUILD_DIR]   (default build/mingw64; builds thumbnails_bench)
# The pictures are made once into BUILD_DIR/bench/thumbnail-pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/mingw64}" && pwd)
cmake --build "$build" --target thumbnails_bench tg >/dev/null
bench_dir=$build/bench
cp "$build/program/tg.dll" "$bench_dir/"
pics=$bench_dir/thumbnail-pictures
im_convert=$(command -v convert-im6.q16 || command -v convert)

if [ ! -f "$pics/done" ]; then
  rm -rf "$pics"
  mkdir -p "$pics"
  sources=(/usr/share/backgrounds/gnome/*.webp /usr/share/backgrounds/gnome/*.svg)
  [ -e "${sources[0]}" ] || { echo "bench: the gnome-backgrounds package is missing"; exit 1; }
  jobs=()
  n=0
  for size in 640 1024 1600 2400 3200; do
    for src in "${sources[@]}"; do
      (( n < 180 )) || break
      jobs+=("$src $size $(printf 'photo-%03d' "$n")")
      n=$((n + 1))
    done
  done
  while (( n < 180 )); do  # fewer backgrounds than expected: the first ones again
    jobs+=("${sources[$((n % ${#sources[@]}))]} 2000 $(printf 'photo-%03d' "$n")")
    n=$((n + 1))
  done
  for i in $(seq 0 19); do
    jobs+=("${sources[$((i % ${#sources[@]}))]} 6000x4000! $(printf 'big-%02d' "$i")")
  done
  printf '%s\n' "${jobs[@]}" | xargs -P 2 -L 1 sh -c 'vipsthumbnail "$0" -s "$1" -o "'"$pics"'/$2.jpg[Q=88]"'
  touch "$pics/done"
fi

. scripts/wine-session.sh
wine_session_start >/dev/null || { echo "bench: no Wine session"; exit 1; }
work=$VELUM_WINE_TMP/thumbs
mkdir -p "$work/vips" "$work/convert"
(cd "$pics" && ls ./*.jpg | sed 's|^\./||' | sort) >"$work/names.txt"
echo "pictures: $(wc -l <"$work/names.txt") ($(cd "$pics" && du -ch ./*.jpg | tail -n1 | cut -f1)), $(grep -c '^big' "$work/names.txt") of 6000 x 4000"
root=$("$WINE" winepath -w "$pics" 2>/dev/null | tr -d '\r')
R=$root awk '{ print ENVIRON["R"] "\\" $0 }' "$work/names.txt" >"$work/list.txt"
# The 640-pixel ones (the first size made) for the long list.
R=$root awk '/^photo-0([01][0-9]|2[0-4])\.jpg$/ { print ENVIRON["R"] "\\" $0 }' "$work/names.txt" >"$work/small.txt"

now() { date +%s%N; }
best() {  # best RUNS COMMAND...: the best time in ms
  local b=999999999 t0 t
  for _ in $(seq "$1"); do
    t0=$(now)
    "${@:2}" >/dev/null 2>&1
    t=$(( ($(now) - t0) / 1000000 ))
    (( t < b )) && b=$t
  done
  echo "$b"
}
vips_all() { (cd "$pics" && vipsthumbnail -s 128 -o "$work/vips/%s.jpg" $(cat "$work/names.txt")); }
convert_each() {
  local f
  while read -r f; do "$im_convert" "$pics/$f" -thumbnail 128x128 "$work/convert/$f"; done <"$work/names.txt"
}
t_vips=$(best 2 vips_all)
echo "vipsthumbnail -s 128, 200 files, one process: $t_vips ms"
t_convert=$(best 1 convert_each)
echo "convert -thumbnail 128x128, one process a file: $t_convert ms"

list=$("$WINE" winepath -w "$work/list.txt" 2>/dev/null | tr -d '\r')
small=$("$WINE" winepath -w "$work/small.txt" 2>/dev/null | tr -d '\r')
t_ours=999999999
for run in 1 2; do
  "$WINE" "$bench_dir/thumbnails_bench.exe" fill "$list" </dev/null >"$work/fill.txt" 2>&1 || true
  t=$(tr -d '\r' <"$work/fill.txt" | awk '$1 == "time" { print $2 }')
  echo "Velum, run $run:"
  tr -d '\r' <"$work/fill.txt" | sed 's/^/  /'
  [ -n "$t" ] && (( t < t_ours )) && t_ours=$t
done
echo "Velum, switch to Thumbnails until all 200 rows have theirs (best of 2): $t_ours ms"
echo "ratio Velum / vipsthumbnail: $(awk -v a="$t_ours" -v b="$t_vips" 'BEGIN { printf "%.2f", a / b }')"
echo "ratio Velum / convert: $(awk -v a="$t_ours" -v b="$t_convert" 'BEGIN { printf "%.2f", a / b }')"
echo "20,000 rows scrolled from top to bottom ($(wc -l <"$work/small.txt") files over and over):"
"$WINE" "$bench_dir/thumbnails_bench.exe" scroll "$small" 20000 </dev/null >"$work/scroll.txt" 2>&1 || true
tr -d '\r' <"$work/scroll.txt" | sed 's/^/  /'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
