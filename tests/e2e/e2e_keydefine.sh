#!/usr/bin/env bash
# Assigning a key from a real key press in the real program on the preloaded simulated mouse:
# open the key page, choose KEYBOARD for the selected (fourth) button, arm the key input, press
# B, APPLY; the key matrix on the wire then holds 00 00 05 00 in that button's slot (slot 3).
# Arguments: program folder, simulated mouse library.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"
preload=$2
state=$sandbox/mouse.state
wirelog=$sandbox/wire.log
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

start_with_default_keys "$state"
# Animation off, so the clicks below never race a slide.
sed -i 's/^3=.*/3=1/' "$prog/modules/setting/apConfig.bin"

LD_PRELOAD=$preload Z4SIM_STATE=$state Z4SIM_WIRELOG=$wirelog "$prog/z4config" &
pid=$!
win=$(window_of "$pid" 30) || fail "no window within 30 s"
sleep 3


# Hex of the first data report after the last 0DH command: report ID, then block bytes 0 to 63.
first_matrix_report() {
    awk '$2 == "out" && $3 == "command" && $4 == "feature" { want = (substr($5, 3, 2) == "0d"); next }
         want && $2 == "out" && $4 == "output" { line = $5; want = 0 }
         END { print line }' "$wirelog" 2>/dev/null
}

click_at "$key_entry"
click_at "$category_box"
click_at "$keyboard_row"
click_at "$key_input"
xdotool key b
sleep 0.5
click_at "$apply"

wait_until 5 "key matrix on the wire" [ -n "$(first_matrix_report)" ]
report=$(first_matrix_report)
slot3=${report:26:8}
[ "$slot3" = 00000500 ] || fail "slot 3 sent as '$slot3', expected 00000500 (report $report)"
# Every other slot goes back as the mouse held it.
[ "${report:2:24}${report:34:96}" = "${key_defaults:0:24}${key_defaults:32:96}" ] || fail "other slots changed: $report"

kill -TERM "$pid"
wait_exit "$pid" 5
[ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM"
echo "e2e_keydefine: B captured from the keyboard and sent as 00 00 05 00 in slot 3"
