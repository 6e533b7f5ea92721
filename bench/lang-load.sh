#!/usr/bin/env bash
# Times loading a 1 MiB language file natively (best of 5); the goal is well under 50 ms.
#   bash bench/lang-load.sh        (builds the native preset's core library when needed)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null || { echo "lang-load: configuring the native preset failed" >&2; exit 1; }
cmake --build --preset native --target velum_core >/dev/null ||
  { echo "lang-load: building the native core failed" >&2; exit 1; }
mkdir -p build/bench
g++ -O2 -std=c++17 -I. bench/lang_load_bench.cpp build/native/libvelum_core.a -lpthread -o build/bench/lang_load_bench
build/bench/lang_load_bench build/bench/big.lng 5
