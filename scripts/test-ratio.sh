#!/usr/bin/env bash
# Lines of test code against lines of product code, per top folder and in total.
#   test code:    files under tests/ that are code or script (not seeds, corpora or pictures)
#   product code: the .cpp/.h files outside tests/ and bench/
# A test folder counts against the product folder of the same name (tests/display against
# display/); tests/wine, tests/fuzz and the like have no product folder of their own.
set -euo pipefail
cd "$(dirname "$0")/.."

# Tracked files and new ones not yet added, without build output.
files() { git ls-files --cached --others --exclude-standard | sort -u; }

{
  files | grep -E '\.(cpp|h)$' | grep -vE '^(tests|bench)/' | sed 's/^/code /'
  files | grep -E '^tests/' | grep -E '(\.(cpp|h|c|sh|bash|py|cmake)|/CMakeLists\.txt)$' | sed 's/^/test /'
} | while read -r kind path; do
  [ -f "$path" ] || continue  # deleted but not yet committed
  lines=$(wc -l <"$path")
  if [ "$kind" = test ]; then
    rest=${path#tests/}
    case $rest in */*) folder=${rest%%/*} ;; *) folder="tests/" ;; esac
  else
    case $path in */*) folder=${path%%/*} ;; *) folder="./" ;; esac
  fi
  echo "$kind $folder $lines"
done | awk '
  { n[$1 " " $2] += $3; seen[$2] = 1; total[$1] += $3 }
  END {
    printf "%-12s %7s %7s %6s\n", "folder", "code", "tests", "ratio"
    cmd = "sort"
    for (f in seen) {
      c = n["code " f] + 0; t = n["test " f] + 0
      r = c > 0 ? sprintf("%.2f", t / c) : "-"
      printf "%-12s %7d %7d %6s\n", f, c, t, r | cmd
    }
    close(cmd)
    printf "%-12s %7d %7d %6.2f\n", "total", total["code"], total["test"], total["test"] / total["code"]
  }'
