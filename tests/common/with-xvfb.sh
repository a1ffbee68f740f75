#!/usr/bin/env bash
# Runs a command on a virtual X server of its own, so window and input tests running side by
# side never see each other's windows or key presses. The server picks a free display number
# itself (-displayfd), which avoids the race of guessing one. -noreset: by default the server
# resets whenever its last client leaves (a probe, xdotool, a program that just quit), and
# refuses whoever connects during the reset.
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r -t 20 display <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
for _ in $(seq 200); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb on $DISPLAY does not answer" >&2; exit 1; }
"$@"
