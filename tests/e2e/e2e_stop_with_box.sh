#!/usr/bin/env bash
# SIGTERM ends the program cleanly even while a message box holds it in a modal loop.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"
send=$2

cd "$elsewhere"
"$prog/z4config" &
pid=$!
window_of "$pid" 30 >/dev/null || fail "no window within 30 s"
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
before=$(windows)
box_shown() { [ "$(windows)" -gt "$before" ]; }
"$send" "$XDG_RUNTIME_DIR/z4config-copydata-$(id -u)" 0x250F "Battery low" &
wait_until 10 "message box" box_shown

kill -TERM "$pid"
wait_exit "$pid" 5
[ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM with a box open, expected 0"
echo "e2e_stop_with_box: clean exit with a box open"
