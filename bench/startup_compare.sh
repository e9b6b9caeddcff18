#!/usr/bin/env bash
# Start-up of Typecask beside an empty Qt 6 window with a menu bar and gucharmap, the three
# alternated in one run under Xvfb so that load on the machine falls on all of them alike: time
# from exec to the first window mapped (median of N runs), and the peak RSS of each window idle
# one second after it was mapped. Uses the fonts FONTCONFIG_FILE names (bench/make_font_set.sh).
# usage: bench/startup_compare.sh [runs] [build dir]
set -euo pipefail
runs=${1:-11}
build=${2:-build}
command -v gucharmap >/dev/null || bash "$(dirname "$0")/../scripts/install-deps.sh" gucharmap >/dev/null
names=(typecask empty gucharmap)
commands=("$build/typecask" "$build/bench/empty_qt_window" gucharmap)
patterns=("-Typecask v201" "Empty Qt window" "Character Map")

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :92 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  export DISPLAY=:92
  sleep 1
fi
export XDG_DATA_HOME=${XDG_DATA_HOME:-$(mktemp -d)}
export LANG=C.UTF-8 NO_AT_BRIDGE=1

declare -A times rss
# One start: prints milliseconds to the window and the peak RSS in kB once idle, or nothing
# when the program ended (or showed nothing for 30 s) without its window. map_time listens for
# the window's MapNotify instead of polling, so the stopwatch itself takes no CPU from the start.
start_one() {
  "$build/bench/map_time" --idle-rss "$2" $1 2>>"${TMPDIR:-/tmp}/startup_compare.err" || true
}
# A start that failed is tried again (gucharmap now and then ends at once on a busy machine).
start_retrying() {
  local out
  for _ in 1 2 3; do
    out=$(start_one "$@")
    [ -n "$out" ] && break
  done
  echo "${out:-0 0}"
}

# A first start of each fills the page cache and the font caches; it is not counted.
for i in 0 1 2; do start_one "${commands[$i]}" "${patterns[$i]}" >/dev/null; done
for _ in $(seq "$runs"); do
  for i in 0 1 2; do
    read -r ms kb < <(start_retrying "${commands[$i]}" "${patterns[$i]}")
    times[${names[$i]}]+="$ms "
    rss[${names[$i]}]+="$kb "
  done
done

median() { printf '%s\n' $1 | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "fonts: ${FONTCONFIG_FILE:-machine} ($(fc-list : file | wc -l) faces), runs: $runs, load: $(cut -d' ' -f1-3 /proc/loadavg)"
for n in "${names[@]}"; do
  printf '%-10s median %4d ms  peak RSS %6.1f MB   runs: %s\n' "$n" "$(median "${times[$n]}")" \
    "$(echo "$(median "${rss[$n]}") / 1024" | bc -l)" "${times[$n]}"
done
t=$(median "${times[typecask]}") e=$(median "${times[empty]}") g=$(median "${times[gucharmap]}")
echo "typecask / empty: $(echo "scale=2; $t / $e" | bc)x   typecask / gucharmap: $(echo "scale=2; $t / $g" | bc)x" \
  "  RSS typecask / empty: $(echo "scale=2; $(median "${rss[typecask]}") / $(median "${rss[empty]}")" | bc)x"
