#!/usr/bin/env bash
# Runs a test program under a window manager (openbox) on the X server in DISPLAY, so that
# frames, stacking and always-on-top behave as on a desktop. Used inside tests/xvfb_run.sh.
set -euo pipefail
command -v openbox >/dev/null || { echo "openbox is not installed (scripts/install-deps.sh)"; exit 1; }
dir=$(mktemp -d)
mkfifo "$dir/root"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$dir"' EXIT
# One client watches the root window from the start: the manager announces itself there, and
# a server with a client connected never resets under the manager's feet as it starts.
stdbuf -oL xprop -root -spy >"$dir/root" 2>/dev/null &
pids+=($!)
exec 4<"$dir/root"
XDG_CONFIG_HOME="$dir" XDG_CACHE_HOME="$dir" openbox --sm-disable >"$dir/wm.log" 2>&1 &
pids+=($!)
ready=false
while read -r -t 20 line <&4; do
  if [[ $line == "_NET_SUPPORTING_WM_CHECK(WINDOW): window id"* ]]; then ready=true; break; fi
done
$ready || { echo "openbox did not start:"; cat "$dir/wm.log"; exit 1; }
cat <&4 >/dev/null & # the watcher's later lines
pids+=($!)
"$@"
