#!/usr/bin/env bash
# The window and four z4ctl processes change profile 1 at the same moment on one simulated
# mouse: the window assigns B to the fourth button and applies, while z4ctl sets the DPI
# stages, the lighting, the report rate and the first button. Afterwards every change is on
# the mouse, the profile file holds what the mouse holds, and an APPLY of the window's page
# changes nothing (it shows what is current). A change that found the mouse busy is tried again,
# as its message says. Arguments: program folder, simulated mouse library.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"
preload=$2
state=$sandbox/mouse.state
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
export LD_PRELOAD=$preload Z4SIM_STATE=$state

start_with_default_keys "$state"
sed -i 's/^3=.*/3=1/' "$prog/modules/setting/apConfig.bin"

Z4SIM_WIRELOG=$sandbox/window.log "$prog/z4config" 2>"$sandbox/window.err" &
pid=$!
win=$(window_of "$pid" 30) || fail "no window within 30 s"
sleep 3
click_at "$key_entry"
click_at "$category_box"
click_at "$keyboard_row"
click_at "$key_input"
xdotool key b
sleep 0.5

# ctl <name> <args...>: runs z4ctl until it is not busy; its status lands in $sandbox/<name>.status.
ctl() {
    local name=$1 tries=0 status
    shift
    while :; do
        status=0
        "$prog/z4ctl" "$@" >/dev/null 2>"$sandbox/$name.err" || status=$?
        grep -q 'busy with another program' "$sandbox/$name.err" && [ $((tries += 1)) -lt 5 ] || break
    done
    echo "$status" >"$sandbox/$name.status"
}
ctl dpi dpi --profile 1 400,800,1600 &
ctl light light --profile 1 static --brightness 3 &
ctl rate rate --profile 1 500 &
ctl button button --profile 1 1 key:F5 &
click_at "$apply"
wait $(jobs -p | grep -v "^$pid$") 2>/dev/null || true
for name in dpi light rate button; do
    [ "$(cat "$sandbox/$name.status")" = 0 ] || fail "z4ctl $name: $(cat "$sandbox/$name.err")"
done
sleep 2

show=$("$prog/z4ctl" --json show 1) || fail "show from the mouse failed"
check() { grep -q "$1" <<<"$show" || fail "$2 lost: $show"; }
check '"stages":\[400,800,1600,0' "the DPI stages"
check '"brightness":3' "the brightness"
check '"effect":"static"' "the effect"
check '"report_rate_hz":500' "the report rate"
check '{"button":1,"function":"key:f5",' "the first button"
check '{"button":4,"function":"key:b",' "the window's button"
file=$(Z4SIM_PLUGGED=0 "$prog/z4ctl" --json show 1 2>/dev/null) || fail "show from the file failed"
[ "$file" = "$show" ] || fail "the profile file differs from the mouse: $file"

# The window's page shows what is current now: applying it again changes nothing.
click_at "$key_entry"
click_at "$apply"
sleep 1
again=$("$prog/z4ctl" --json show 1) || fail "show from the mouse failed"
[ "$again" = "$show" ] || fail "the window's APPLY wrote stale values: $again"

kill -TERM "$pid"
wait_exit "$pid" 5
[ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM"
echo "e2e_take_turns: the window's and four z4ctl changes all on the mouse and in the file"
