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
# openbox announces itself before its start is over, and a window mapped in that gap is never
# managed (never shown). So a probe window must be managed, and gone again, before the test.
while read -r -t 10 line <&4; do # the end of its start: its first (empty) client list
  [[ $line =~ ^_NET_CLIENT_LIST\(WINDOW\) ]] && break
done
managed=false
for _ in 1 2 3 4 5; do
  probe=$(xmessage -geometry 1x1+0+0 probe >/dev/null 2>&1 & echo $!) # not a job of this shell
  deadline=$((SECONDS + 4))
  while ((SECONDS < deadline)); do
    read -r -t 1 line <&4 || continue
    if [[ $line =~ ^_NET_CLIENT_LIST\(WINDOW\):\ window\ id\ #\ 0x ]]; then managed=true; break; fi
  done
  kill "$probe" 2>/dev/null || true
  $managed && break
done
$managed || { echo "openbox never managed a window:"; cat "$dir/wm.log"; exit 1; }
while read -r -t 5 line <&4; do # the probe's end
  [[ $line =~ ^_NET_CLIENT_LIST\(WINDOW\):\ window\ id\ #\ *$ ]] && break
done
cat <&4 >/dev/null & # the watcher's later lines
pids+=($!)
"$@"
