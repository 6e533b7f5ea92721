#!/usr/bin/env bash
# Times the display list rebuild over a large tree: 60,000 empty pictures in 1,200
# folders, velum-tool.exe displaylist under Wine against find natively.
#   bench/displaylist.sh [BUILD_DIR]   (default build/mingw64)
# Prints the times (best of 3 after a warm-up run) and the number of entries.
set -euo pipefail
trap 'echo "displaylist: failed at line $LINENO: $BASH_COMMAND" >&2' ERR
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/mingw64}" && pwd)
tool_exe=$build/program/velum-tool.exe
[ -f "$tool_exe" ] || { echo "no $tool_exe: build the mingw64 preset first" >&2; exit 1; }

. scripts/wine-session.sh
wine_session_start || { echo "displaylist: no Wine session" >&2; exit 1; }
tree=$VELUM_WINE_TMP/tree
exts=(jpg png bmp gif tga)
for d in $(seq -w 0 1199); do
  dir=$tree/album$((10#$d / 40))/folder$d
  mkdir -p "$dir"
  (cd "$dir" && touch $(for i in $(seq -w 0 49); do echo "IMG_$d$i.${exts[$((10#$i % 5))]}"; done))
done
echo "tree: $(find "$tree" -type f | wc -l) files in $(find "$tree" -mindepth 2 -type d | wc -l) folders"

root=$("$WINE" winepath -w "$tree" 2>/dev/null | tr -d '\r')
list=$VELUM_WINE_TMP/list.iml
printf '<image list>\r\n<header>\r\n<ver>1.1</ver>\r\n</header>\r\n<image>\r\n<path>%s</path>\r\n<incsubdir>1</incsubdir>\r\n</image>\r\n</image list>' "$root" > "$list"
wlist=$("$WINE" winepath -w "$list" 2>/dev/null | tr -d '\r')

calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }
best() {  # best of 3 runs of "$@" after one warm-up, in seconds
  "$@" >/dev/null 2>&1
  local b=999999999999 t0 t1
  for _ in 1 2 3; do
    t0=$(date +%s%N); "$@" >/dev/null 2>&1; t1=$(date +%s%N)
    (( t1 - t0 < b )) && b=$(( t1 - t0 ))
  done
  calc "$b / 1e9"
}
walk_exe=$VELUM_WINE_TMP/api_walk.exe
x86_64-w64-mingw32-g++ -O2 -static -o "$walk_exe" bench/api_walk.cpp
find_s=$(best find "$tree" -type f)
walk_s=$(best "$WINE" "$walk_exe" "$root")
start_s=$(best "$WINE" "$tool_exe" version)
list_s=$(best "$WINE" "$tool_exe" displaylist "$wlist")
"$WINE" "$tool_exe" displaylist "$wlist" > "$VELUM_WINE_TMP/out.txt" 2>/dev/null
entries=$(wc -l < "$VELUM_WINE_TMP/out.txt")

echo "find (native):                      ${find_s} s"
echo "velum-tool.exe version (Wine):      ${start_s} s  (process start-up alone)"
echo "bare FindFirstFileA walk (Wine):    ${walk_s} s  (all 60,000 files, nothing else done)"
echo "velum-tool.exe displaylist (Wine):  ${list_s} s"
echo "ratio displaylist / find:           $(calc "$list_s / $find_s")"
echo "ratio without start-up / find:      $(calc "($list_s - $start_s) / $find_s")"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "entries: $entries (want 51840)"
[ "$entries" -eq 51840 ] || { echo "displaylist: velum-tool listed $entries entries, not 51840" >&2; exit 1; }
