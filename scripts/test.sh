#!/usr/bin/env bash
# Installs what is missing, builds Typecask with its tests and runs every test.
# TYPECASK_SANITIZE=1 builds and runs the suite under AddressSanitizer and UBSan instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${TYPECASK_SANITIZE:-0}" = 1 ]; then
  build=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DTYPECASK_SANITIZE=ON -DTYPECASK_BUILD_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
# CI treats any warning as an error.
if [ "${CI:-}" = true ]; then flags+=(-DTYPECASK_WERROR=ON); fi
cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"
# Tests marked XVFB start their own X server (tests/xvfb_run.sh).
ctest --test-dir "$build" --output-on-failure -j2
