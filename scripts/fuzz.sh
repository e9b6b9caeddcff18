#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan, UBSan) into build-fuzz and runs each for a bounded
# time, seeded from tests/data (the font readers from small real fonts of each format in
# tests/data/fonts). Fails when a target finds a fault; the input that caused it is kept in
# build-fuzz/artifacts/. FUZZ_SECONDS sets the time per target (default 50).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh clang libclang-rt-14-dev
build=build-fuzz
seconds="${FUZZ_SECONDS:-50}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTYPECASK_FUZZ=ON -DTYPECASK_BUILD_TESTS=OFF -DTYPECASK_BUILD_BENCH=OFF
# target, seed folder, longest input (the settings reader cuts a line at 64 KiB)
targets=(
  "fuzz_settings_file settings 70000"
  "fuzz_favorites_file favorites 8192"
  "fuzz_palette_file palette 8192"
  "fuzz_cp932 cp932 4096"
  "fuzz_html_scan html 20000"
  "fuzz_css_scan html 20000"
  "fuzz_css_selector selectors 4096"
  "fuzz_sfnt_tables fonts 65536"
  "fuzz_font_details fonts 65536"
  "fuzz_face_text fonts 65536"
)
names=()
for t in "${targets[@]}"; do names+=("${t%% *}"); done
cmake --build "$build" --target "${names[@]}"

export ASAN_OPTIONS=abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The targets save files on every run: a memory file system keeps that fast.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
mkdir -p "$build/artifacts"
status=0
for t in "${targets[@]}"; do
  read -r name seeds maxlen <<<"$t"
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name ($seconds s)"
  # An input that takes 20 s is a hang: reported as a fault rather than after libFuzzer's 20 min.
  if ! "$build/fuzz/$name" -max_total_time="$seconds" -max_len="$maxlen" -timeout=20 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$name-" "$corpus" "tests/data/$seeds" 2>"$build/$name.log"; then
    status=1
    echo "$name found a fault:"
  fi
  grep -E "^(stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|SUMMARY|.*check failed)" \
    "$build/$name.log" || true
  [ "$status" = 0 ] || tail -n 40 "$build/$name.log"
done
exit "$status"
