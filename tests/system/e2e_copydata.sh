#!/usr/bin/env bash
# The real program receives copy-data messages from another process over its socket: a
# matching message puts a warning captioned with the window title in front of the user, one at
# a time; others are consumed without a box. Every sender is let go once its frame is taken.
source "$(dirname "$0")/../e2e/lib.sh"
make_sandbox "$1"
send=$2
# An open warning box holds the program in its modal loop, where SIGTERM cannot end it.
trap 'kill -9 $(jobs -p) 2>/dev/null || true; rm -rf "$sandbox"' EXIT

title=$(config_value "$prog/modules/setting/apConfig.bin" common name)
"$prog/z4config" &
pid=$!
window_of "$pid" 30 >/dev/null || fail "no window within 30 s"
socket="$XDG_RUNTIME_DIR/z4config-copydata-$(id -u)"
[ -S "$socket" ] || fail "no socket at $socket"

boxes() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
before=$(boxes)
box_shown() { [ "$(boxes)" -gt "$before" ]; }
box_gone() { [ "$(boxes)" = "$before" ]; }

# The sender is let go once its frame is taken, whatever the frame asks for.
for frame in "0x2510 abc 3" "0x250F abc 4" "0x250F abc 0x10001" "0x250F Battery-low 11"; do
    status=0
    "$send" "$socket" $frame 5000 || status=$?
    [ "$status" = 0 ] || fail "frame '$frame': sender ended with $status"
done
wait_until 10 "warning box" box_shown
sleep 0.5
[ "$(boxes)" = $((before + 1)) ] || fail "$(($(boxes) - before)) boxes, expected one for the one matching frame"
box=$(xdotool search --onlyvisible --pid "$pid" | while read -r w; do
    [ "$(xdotool getwindowgeometry "$w" | awk '/Geometry/ { print $2 }')" != 1000x600 ] && echo "$w"
done | head -n1)
[ "$(xdotool getwindowname "$box")" = "$title" ] || fail "box caption '$(xdotool getwindowname "$box")'"

# A second message while the box is up opens no second box.
"$send" "$socket" 0x250F "Battery empty" 13 5000 || fail "the second sender was kept waiting"
sleep 0.5
[ "$(boxes)" = $((before + 1)) ] || fail "a second box stacked on the first"
xdotool windowfocus --sync "$box" key Return
wait_until 10 "closed box" box_gone

kill -TERM "$pid"
wait_exit "$pid" 5
[ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM"
echo "e2e_copydata: one box captioned '$title', senders let go; mismatched and oversized frames ignored"
