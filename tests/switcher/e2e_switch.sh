#!/usr/bin/env bash
# z4switch on a real X server with openbox and the simulated mouse: two windows, a rule for
# one, a base profile for the rest; what reaches the wire after each focus change.
# Arguments: program folder, simulated mouse library, test window program.
source "$(dirname "$0")/../e2e/lib.sh"
make_sandbox "$1"
sim=$2
testwindow=$3
export XDG_CONFIG_HOME=$sandbox/config
export Z4SIM_STATE=$sandbox/mouse.state Z4SIM_WIRELOG=$sandbox/wire.log Z4SIM_CONTROL=$sandbox/control
# The sanitizer build runs with the simulated mouse preloaded ahead of its runtime.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
ctl() { LD_PRELOAD=$sim "$prog/z4ctl" "$@"; }

openbox --sm-disable &
wait_until 20 "window manager" sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
"$testwindow" Alpha "alpha window" >"$sandbox/alpha" &
"$testwindow" Beta "beta window" >"$sandbox/beta" &
wait_until 5 "test windows" test -s "$sandbox/alpha" -a -s "$sandbox/beta"
alpha_id=$(cat "$sandbox/alpha")
beta_id=$(cat "$sandbox/beta")
activate() { xdotool windowactivate "$1" 2>/dev/null || true; }
activate "$beta_id"

stays() { # stays <profiles so far> <what>: nothing more within a second
    sleep 1
    [ "$(selections)" = "$1" ] || fail "$2: wire $(selections), want $1"
}

ctl switch add alpha 3 >/dev/null
ctl switch base 2
echo "this line is no rule" >>"$XDG_CONFIG_HOME/z4config/switch.ini"
LD_PRELOAD=$sim "$prog/z4switch" --print >"$sandbox/print" 2>"$sandbox/err" &
switcher=$!
expect 2 "base profile for the window in front at start"
grep -q "line 6: no 'NAME = VALUE', line ignored" "$sandbox/err" || fail "bad line not reported: $(cat "$sandbox/err")"

activate "$alpha_id"
expect 23 "the rule's profile"

# Alt-tab flapping, from one xdotool so that no focus stays for the settling time.
flap=()
for _ in 1 2 3 4 5 6; do
    flap+=(windowactivate "$beta_id" sleep 0.04 windowactivate "$alpha_id" sleep 0.04)
done
xdotool "${flap[@]}" windowactivate "$beta_id" 2>/dev/null
expect 232 "one change after flapping settles on the base window"
stays 232 "flapping"

activate "$alpha_id"
expect 2323 "the rule again"
ctl profile 5
expect 23235 "the manual choice"
xdotool set_window --name "alpha renamed" "$alpha_id"
stays 23235 "the manual choice while its application stays in front"
activate "$beta_id"
expect 232352 "the base profile after the application lost the focus"

ctl switch pause
activate "$alpha_id"
stays 232352 "paused"
ctl switch resume
expect 2323523 "resumed"
ctl --json switch status | grep -q '"sources":\["x11"\]' || fail "status: $(ctl --json switch status)"
ctl switch status | grep -q "in front: Alpha" || fail "status: $(ctl switch status)"

echo unplug >"$sandbox/c" && mv "$sandbox/c" "$Z4SIM_CONTROL"
wait_until 5 "unplug" grep -q "sim unplug" "$Z4SIM_WIRELOG"
activate "$beta_id"
wait_until 5 "the switcher to notice the missing mouse" grep -q "no mouse" "$sandbox/print"
echo plug >"$sandbox/c" && mv "$sandbox/c" "$Z4SIM_CONTROL"
wait_until 5 "plug" grep -q "sim plug" "$Z4SIM_WIRELOG"
kill -HUP $switcher
expect 23235232 "the current rule once the mouse is back"

start=$(date +%s%N)
kill -TERM $switcher
wait_exit $switcher 2
[ $(( ($(date +%s%N) - start) / 1000000 )) -lt 1000 ] || fail "SIGTERM took more than a second"
echo "ok: $(selections)"
