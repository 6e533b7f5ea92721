#!/usr/bin/env bash
# Times loading a 1 MiB language file natively (best of 5); the goal is well under 50 ms.
#   bash bench/lang-load.sh        (builds the native preset's core library when needed)
set -euo pipefail
trap 'echo "lang-load: failed at line $LINENO: $BASH_COMMAND" >&2' ERR
cd "$(dirname "$0")/.."
mkdir -p build/bench
{ cmake --preset native && cmake --build --preset native --target velum_core; } >build/bench/lang-load-build.log 2>&1 ||
  { tail -n 30 build/bench/lang-load-build.log >&2; exit 1; }
g++ -O2 -std=c++17 -I. bench/lang_load_bench.cpp build/native/libvelum_core.a -lpthread -o build/bench/lang_load_bench
build/bench/lang_load_bench build/bench/big.lng 5
