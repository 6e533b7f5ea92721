#!/usr/bin/env bash
# The image list view with 10,000 pictures under Wine: Add Image Files in one go (the
# headers read, the rows painted) against `identify -ping` reading the same headers in one
# process; sorting by each column and reversing; filling the rows as the window opens.
#   bash bench/filelist.sh [BUILD_DIR]   (default build/mingw64; builds filelist_bench)
# Prints the times in ms (best of 3) and the load average.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/mingw64}" && pwd)
cmake --build "$build" --target filelist_bench >/dev/null
bench_exe=$build/bench/filelist_bench.exe

. scripts/wine-session.sh
wine_session_start >/dev/null || { echo "bench: no Wine session"; exit 1; }
pics=$VELUM_WINE_TMP/pics
mkdir -p "$pics"
cd "$pics"
# Five kinds, each of a size of its own, copied to 10,000 files of every kind the
# header readers know.
convert -size 640x480 plasma:fractal -quality 85 seed.jpg
convert -size 320x240 xc:navy seed.bmp
convert -size 200x150 xc:orange -colors 16 seed.gif
convert -size 160x120 xc:green seed.tga
convert -size 120x90 xc:red seed.pcx
kinds=(jpg jpg jpg jpg bmp bmp gif gif tga pcx)
for i in $(seq -w 0 9999); do
  ext=${kinds[$((10#$i % 10))]}
  cp "seed.$ext" "IMG_$i.$ext"
done
rm seed.*
ls | sort >../names.txt
root=$("$WINE" winepath -w "$pics" 2>/dev/null | tr -d '\r')
R=$root awk '{ print ENVIRON["R"] "\\" $0 }' ../names.txt >../list.txt

now() { date +%s%N; }
best_identify=999999999
for _ in 1 2 3; do
  t0=$(now)
  identify -ping -format '%w %h %z\n' $(cat ../names.txt) >../identify.txt
  t=$(( ($(now) - t0) / 1000000 ))
  (( t < best_identify )) && best_identify=$t
done
echo "identify -ping, 10,000 files, one process: ${best_identify} ms ($(wc -l <../identify.txt) answers)"
list=$("$WINE" winepath -w "$VELUM_WINE_TMP/list.txt" 2>/dev/null | tr -d '\r')
"$WINE" "$bench_exe" "$list" 3 </dev/null >"$VELUM_WINE_TMP/bench.txt" 2>&1
tr -d '\r' <"$VELUM_WINE_TMP/bench.txt"
add=$(awk '$1 == "add" { print $2 }' "$VELUM_WINE_TMP/bench.txt" | tr -d '\r')
echo "ratio add / identify: $(awk -v a="$add" -v b="$best_identify" 'BEGIN { printf "%.2f", a / b }')"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
