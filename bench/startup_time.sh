#!/usr/bin/env bash
# Time from starting a program to its first window being mapped, under Xvfb, median of N runs.
# usage: bench/startup_time.sh [runs] [command...]   (default: build/typecask, window "-Typecask v201")
set -euo pipefail
runs=${1:-9}
shift || true
cmd=("$@")
[ ${#cmd[@]} -gt 0 ] || cmd=(build/typecask)
pattern=${STARTUP_WINDOW_PATTERN:--Typecask v201}
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
  start=$(date +%s%N)
  "${cmd[@]}" >/dev/null 2>&1 &
  pid=$!
  until xwininfo -root -tree 2>/dev/null | grep -q -- "$pattern"; do sleep 0.005; done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "runs: ${times[*]} ms; median: ${sorted[$(( runs / 2 ))]} ms"
