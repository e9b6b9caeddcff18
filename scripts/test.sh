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
cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"
# Tests that need a real window manager interaction run on a private X server.
if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null; then
  Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  export TYPECASK_XVFB_DISPLAY=:97
fi
ctest --test-dir "$build" --output-on-failure -j2
