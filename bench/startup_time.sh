#!/usr/bin/env bash
# Time from starting a program to its first window being mapped, under Xvfb, median of N runs.
# usage: bench/startup_time.sh [runs] [command...]   (default: build/typecask, window "-Typecask v201")
# The stopwatch is build/bench/map_time (set MAP_TIME to another build's), which waits for the
# window's MapNotify instead of polling.
set -euo pipefail
runs=${1:-9}
shift || true
cmd=("$@")
[ ${#cmd[@]} -gt 0 ] || cmd=(build/typecask)
pattern=${STARTUP_WINDOW_PATTERN:--Typecask v201}
map_time=${MAP_TIME:-build/bench/map_time}
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :91 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  export DISPLAY=:91
  sleep 1
fi
export XDG_DATA_HOME=${XDG_DATA_HOME:-$(mktemp -d)}
times=()
for _ in $(seq "$runs"); do
  times+=("$("$map_time" "$pattern" "${cmd[@]}" 2>/dev/null || echo 0)")
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "runs: ${times[*]} ms; median: ${sorted[$((runs / 2))]} ms"
