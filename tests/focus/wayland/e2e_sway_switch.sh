#!/usr/bin/env bash
# z4switch in a headless sway (with-sway.sh) on the simulated mouse: two Wayland windows and
# an X11 one, focus moved by swaymsg; the 02H on the wire through sway's IPC, then through the
# foreign-toplevel protocol. Prints the delay from each focus change to its 02H.
# Arguments: program folder, simulated mouse library.
source "$(dirname "$0")/../../e2e/lib.sh"
make_sandbox "$1"
sim=$2
export XDG_CONFIG_HOME=$sandbox/config
export Z4SIM_STATE=$sandbox/mouse.state Z4SIM_WIRELOG=$sandbox/wire.log
# The sanitizer build runs with the simulated mouse preloaded ahead of its runtime.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
ctl() { LD_PRELOAD=$sim "$prog/z4ctl" "$@"; }

swaymsg "exec foot -a z4alpha sleep 300; exec foot -a z4beta sleep 300; exec xlogo" >/dev/null
wait_until 20 "the three windows" sh -c \
    "swaymsg -t get_tree | grep -q '\"z4alpha\"' && swaymsg -t get_tree | grep -q '\"z4beta\"' && swaymsg -t get_tree | grep -q '\"XLogo\"'"

# focus <criteria> <profiles so far> <what>: moves the focus and waits for the 02H.
focus() {
    local start=$(date +%s%N)
    swaymsg "$1 focus" >/dev/null
    expect "$2" "$3"
    echo "$3: 02H $(( ($(date +%s%N) - start) / 1000000 )) ms after the focus change"
}
switcher() { # switcher <source>: a fresh z4switch that must be using <source>
    LD_PRELOAD=$sim "$prog/z4switch" --print >"$sandbox/print" 2>"$sandbox/err" &
    pid=$!
    wait_until 5 "z4switch on $1" sh -c "LD_PRELOAD=$sim '$prog/z4ctl' --json switch status | grep -q '\"sources\":\[\"$1\"\]'"
}

ctl switch add z4alpha 3 >/dev/null
ctl switch add xlogo 4 >/dev/null
ctl switch base 2
swaymsg '[app_id=z4beta] focus' >/dev/null

switcher sway
expect 2 "sway IPC, the window in front at start"
focus '[app_id=z4alpha]' 23 "sway IPC, Wayland window"
focus '[class=XLogo]' 234 "sway IPC, X11 window"
focus '[app_id=z4beta]' 2342 "sway IPC, no rule"
kill -TERM $pid
wait_exit $pid 2

# Without SWAYSOCK the foreign-toplevel protocol is the route (a new switcher selects afresh).
sock=$SWAYSOCK
unset SWAYSOCK
switcher wlr-toplevel
export SWAYSOCK=$sock
expect 23422 "foreign toplevel, the window in front at start"
focus '[app_id=z4alpha]' 234223 "foreign toplevel, Wayland window"
focus '[class=XLogo]' 2342234 "foreign toplevel, X11 window"
kill -TERM $pid
wait_exit $pid 2
echo "ok: $(selections)"
