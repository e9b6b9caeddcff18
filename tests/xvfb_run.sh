#!/usr/bin/env bash
# Runs a test program on a private Xvfb server through Qt's X11 platform, so windows meet a
# real X server (focus, clipboard, stacking) rather than the offscreen platform.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "Xvfb is not installed (scripts/install-deps.sh)"; exit 1; }
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r display <"$fifo"
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
"$@"
