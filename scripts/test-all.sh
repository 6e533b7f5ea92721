#!/usr/bin/env bash
# Builds everything and runs every test: the include order, the generated artwork, native unit tests (plain, ASan+UBSan, TSan),
# both Windows builds with the import check, the help file, the installer, the Wine tests
# (the x86_64 build in a 64-bit prefix, then the i686 build in a 32-bit one) and the fuzz targets.
# Ends with one line: "N passed, M failed".
#   FUZZ_SECONDS=20   time per fuzz target (0 skips fuzzing; FUZZ_ONLY, FUZZ_RSS_MB: see the fuzz stage)
#   SKIP_WINE=1       leave out the Wine tests (WINE_SERIAL=1: one leg after the other)
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
FUZZ_SECONDS=${FUZZ_SECONDS:-20}
LOGDIR=$ROOT/build/test-logs
mkdir -p "$LOGDIR"

passed=0
failed=0
failures=()

pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); failures+=("$1"); echo "FAILED: $1"; }
stage() { echo; echo "=== $* ==="; }

# Adds a GoogleTest run's counts; its output is in $1.
count_gtest() {
  local log=$1 name=$2 p f
  p=$(grep -E '^\[  PASSED  \] [0-9]+ test' "$log" | tail -n1 | sed -E 's/.*\] ([0-9]+).*/\1/')
  # Each failed test by name: with --gtest_brief=1 GoogleTest prints no "N tests" summary.
  f=$(grep -E '^\[  FAILED  \] [A-Za-z_][A-Za-z0-9_/]*\.' "$log" | sed -E 's/ \([0-9]+ ms\)$//' | sort -u | wc -l)
  p=${p:-0}
  f=${f:-0}
  passed=$((passed + p))
  if [ "$f" -gt 0 ]; then
    failed=$((failed + f))
    failures+=("$name: $f tests")
    grep -E '^\[  FAILED  \]' "$log" | sort -u | head -40
  elif [ "$p" -eq 0 ]; then
    fail "$name (no test ran)"
    tail -n 30 "$log"
  fi
}

build() {
  local preset=$1
  shift
  if ! cmake --preset "$preset" "$@" >"$LOGDIR/configure-$preset.log" 2>&1; then
    tail -n 30 "$LOGDIR/configure-$preset.log"
    fail "configure $preset"
    return 1
  fi
  if ! cmake --build --preset "$preset" >"$LOGDIR/build-$preset.log" 2>&1; then
    grep -E 'error|FAILED' "$LOGDIR/build-$preset.log" | head -40
    fail "build $preset"
    return 1
  fi
  pass
}

run_native_tests() {
  local preset=$1
  local log="$LOGDIR/tests-$preset.log"
  shift
  stage "native unit tests ($preset)"
  build "$preset" || return
  local rc=0
  timeout 900 "build/$preset/tests/velum_tests" --gtest_brief=1 "$@" >"$log" 2>&1 || rc=$?
  count_gtest "$log" "velum_tests ($preset)"
  # A sanitizer's report after the last test (a leak) fails the run without failing a test.
  if [ "$rc" -ne 0 ] && ! grep -qE '^\[  FAILED  \]' "$log"; then
    fail "velum_tests ($preset) ended with exit code $rc"
    grep -E 'ERROR|SUMMARY' "$log" | head -10
  fi
  tail -n 3 "$log"
}

stage "include order"
if python3 scripts/check-layers.py >"$LOGDIR/layers.log" 2>&1; then
  pass
  tail -n 1 "$LOGDIR/layers.log"
else
  cat "$LOGDIR/layers.log"
  fail "include order"
fi

stage "generated artwork"
# The committed resources are what the drawing script makes, byte for byte.
art_tmp=$(mktemp -d)
if python3 res/make_art.py "$art_tmp" && diff -r res/art "$art_tmp" >"$LOGDIR/art.log" 2>&1; then
  pass
  echo "res/art: $(ls "$art_tmp" | wc -l) files reproduced"
else
  cat "$LOGDIR/art.log"
  fail "generated artwork"
fi
rm -rf "$art_tmp"

run_native_tests native
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_native_tests native-asan
TSAN_OPTIONS=halt_on_error=1 run_native_tests native-tsan

stage "Windows builds"
build mingw64
build mingw32

stage "imports that Windows 2000 lacks"
for arch in mingw64 mingw32; do
  for bin in build/$arch/program/*.exe build/$arch/program/*.dll; do
    [ -e "$bin" ] || continue
    if bash scripts/check-imports.sh "$bin"; then pass; else fail "imports of $bin"; fi
  done
done

stage "help file"
for arch in mingw64 mingw32; do
  if python3 tests/help/check-chm.py "build/$arch/program/vm.chm" . >"$LOGDIR/help-$arch.log" 2>&1; then
    pass
    tail -n 1 "$LOGDIR/help-$arch.log"
  else
    cat "$LOGDIR/help-$arch.log"
    fail "help file of $arch"
  fi
done

stage "installer"
if bash scripts/make-installer.sh --no-build >"$LOGDIR/installer.log" 2>&1; then
  pass
  tail -n 1 "$LOGDIR/installer.log"
else
  tail -n 20 "$LOGDIR/installer.log"
  fail "installer"
fi

# One Wine leg per architecture. Each has its own X server, prefix and wineserver, and the
# scripts mostly wait on the program, so the two legs run side by side (WINE_SERIAL=1 runs
# them one after the other).
run_wine_leg() {  # run_wine_leg ARCH: runs the leg into its log
  bash scripts/run-wine-tests.sh "$ROOT/build/$1" >"$LOGDIR/wine-$1.log" 2>&1
}
report_wine_leg() {  # report_wine_leg ARCH: what the leg's log says
  local arch=$1 log=$LOGDIR/wine-$1.log wp wf
  stage "Wine tests ($arch)"
  grep -E '^(PASS|FAIL|SKIP)|^\[  (PASSED|FAILED)  \]|^velum_wintests.exe took' "$log" | head -200
  # Where the leg's time goes.
  echo "slowest: $(grep -E '^(PASS|FAIL) ' "$log" | sed -E 's/^(PASS|FAIL) ([^ ]+) .*[ (]([0-9]+)s\)$/\3 \2/' |
    sort -rn | head -n 5 | awk '{printf "%s%s %ss", (NR > 1 ? ", " : ""), $2, $1}')"
  wp=$(grep -c '^PASS ' "$log")
  wf=$(grep -c '^FAIL ' "$log")
  passed=$((passed + wp))
  if [ "$wf" -gt 0 ]; then
    failed=$((failed + wf))
    failures+=("wine ($arch): $wf")
    grep -A40 '^FAIL ' "$log" | head -150
  fi
  if grep -q '^WINE-SESSION-FAILED' "$log"; then
    fail "wine session ($arch)"
    tail -n 20 "$log"
  fi
  if grep -q '^--- velum_wintests.exe' "$log"; then
    count_gtest "$log" "velum_wintests (Wine, $arch)"
  fi
}

if [ "${SKIP_WINE:-0}" != 1 ]; then
  if [ "${WINE_SERIAL:-0}" = 1 ]; then
    run_wine_leg mingw64
    run_wine_leg mingw32
  else
    run_wine_leg mingw64 &
    leg64=$!
    run_wine_leg mingw32 &
    wait "$leg64" || true
    wait $! || true
  fi
  report_wine_leg mingw64
  report_wine_leg mingw32
fi

# Fuzz stage: every tests/fuzz/NAME_fuzz.cpp is built and run for FUZZ_SECONDS from a copy
# of its seeds in tests/fuzz/corpus/NAME_fuzz/ (the seeds themselves stay untouched).
#   FUZZ_RSS_MB=2048   memory limit of one target (ASan included)
#   FUZZ_ONLY=GLOB     run only the targets whose name matches, e.g. 'header*'
# A finding's input is kept in build/test-logs/fuzz/NAME/ and the command to replay it is shown.
run_fuzz_target() {
  local target=$1 name seeds work artifacts log rc runs
  name=$(basename "$target")
  seeds=tests/fuzz/corpus/$name
  log=$LOGDIR/fuzz/$name.log
  artifacts=$LOGDIR/fuzz/$name
  rm -rf "$artifacts"
  mkdir -p "$artifacts"
  work=$(mktemp -d)
  [ -d "$seeds" ] && cp -r "$seeds/." "$work/"
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:handle_abort=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    timeout -k 10 $((FUZZ_SECONDS + 120)) "$target" -max_total_time="$FUZZ_SECONDS" -timeout=10 \
    -rss_limit_mb="$FUZZ_RSS_MB" -malloc_limit_mb="$FUZZ_RSS_MB" -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$work" >"$log" 2>&1
  rc=$?
  rm -rf "$work"
  runs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
  if [ "$rc" -eq 0 ] && [ -n "$runs" ] && [ "$runs" -gt 0 ]; then
    pass
    echo "$name: $runs runs, $(ls "$seeds" 2>/dev/null | wc -l) seeds"
    rmdir "$artifacts" 2>/dev/null
    return
  fi
  if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
    fail "fuzz $name: still running after $((FUZZ_SECONDS + 120)) s (log: $log)"
  else
    fail "fuzz $name: exit $rc (log: $log)"
  fi
  grep -E 'ERROR:|^SUMMARY|deadly signal|runtime error' "$log" | head -5
  grep -E '^ +#[0-9]+ ' "$log" | head -15
  local unit
  for unit in "$artifacts"/*; do
    [ -e "$unit" ] && echo "  replay: $target $unit"
  done
}

if [ "$FUZZ_SECONDS" != 0 ]; then
  FUZZ_RSS_MB=${FUZZ_RSS_MB:-2048}
  stage "fuzz targets (${FUZZ_SECONDS}s each)"
  mkdir -p "$LOGDIR/fuzz"
  if build fuzz; then
    # Two targets at a time, one a core; each worker reports its counts at the end.
    fuzz_worker() {
      passed=0
      failed=0
      failures=()
      local i=0 src name
      for src in tests/fuzz/*_fuzz.cpp; do
        name=$(basename "$src" .cpp)
        [[ $name == ${FUZZ_ONLY:-*} ]] || continue
        i=$((i + 1))
        [ $((i % 2)) -eq "$1" ] || continue
        if [ -x "build/fuzz/tests/fuzz/$name" ]; then
          run_fuzz_target "build/fuzz/tests/fuzz/$name"
        else
          fail "fuzz $name: no target was built from $src"
        fi
      done
      echo "FUZZCOUNTS $passed $failed"
      ((${#failures[@]})) && printf 'FUZZFAILURE %s\n' "${failures[@]}"
      return 0
    }
    fuzz_worker 0 >"$LOGDIR/fuzz/worker0.out" 2>&1 &
    w0=$!
    fuzz_worker 1 >"$LOGDIR/fuzz/worker1.out" 2>&1 &
    w1=$!
    wait "$w0" "$w1"
    for out in "$LOGDIR/fuzz/worker0.out" "$LOGDIR/fuzz/worker1.out"; do
      grep -v -E '^FUZZ(COUNTS|FAILURE) ' "$out"
      read -r _ wp wf < <(grep '^FUZZCOUNTS ' "$out" || echo "FUZZCOUNTS 0 1")
      passed=$((passed + wp))
      failed=$((failed + wf))
      while IFS= read -r line; do failures+=("${line#FUZZFAILURE }"); done < <(grep '^FUZZFAILURE ' "$out")
    done
    # Seeds whose target is gone would silently never run.
    for dir in tests/fuzz/corpus/*/; do
      [ -d "$dir" ] || continue
      name=$(basename "$dir")
      [ -f "tests/fuzz/$name.cpp" ] || fail "fuzz corpus $dir has no target tests/fuzz/$name.cpp"
    done
  fi
fi

echo
if ((${#failures[@]})); then
  echo "Failures:"
  printf '  %s\n' "${failures[@]}"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
