#!/usr/bin/env bash
# Runs a command on a virtual X server of its own, so window and input tests running side by
# side never see each other's windows or key presses. The server picks a free display number
# itself (-displayfd), which avoids the race of guessing one.
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r -t 20 display <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
"$@"
