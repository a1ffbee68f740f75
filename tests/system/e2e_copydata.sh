#!/usr/bin/env bash
# The real program receives copy-data messages from another process over its socket: a
# matching message puts a warning captioned with the window title in front of the user and
# keeps the sender waiting until it is closed; others are consumed without a box.
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

"$send" "$socket" 0x250F "Battery low" &
sender=$!
wait_until 10 "warning box" box_shown
box=$(xdotool search --onlyvisible --pid "$pid" | while read -r w; do
    [ "$(xdotool getwindowgeometry "$w" | awk '/Geometry/ { print $2 }')" != 1000x600 ] && echo "$w"
done | head -n1)
[ "$(xdotool getwindowname "$box")" = "$title" ] || fail "box caption '$(xdotool getwindowname "$box")'"
kill -0 "$sender" 2>/dev/null || fail "the sender did not wait for the box"
xdotool windowfocus --sync "$box" key Return
wait_exit "$sender" 10
[ "$exit_status" = 0 ] || fail "sender ended with $exit_status after the box closed"

# A box would keep the sender waiting past its 5 s, so a quick 0 means none was shown.
for frame in "0x2510 abc 3" "0x250F abc 4" "0x250F abc 0x10001"; do
    status=0
    "$send" "$socket" $frame 5000 || status=$?
    [ "$status" = 0 ] || fail "frame '$frame': sender ended with $status"
    [ "$(boxes)" = "$before" ] || fail "frame '$frame' showed a box"
done

kill -TERM "$pid"
wait_exit "$pid" 5
[ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM"
echo "e2e_copydata: box captioned '$title', sender waited; mismatched and oversized frames ignored"
