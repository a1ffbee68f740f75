#!/usr/bin/env bash
# z4switch beside a KWin of its own (virtual backend) on the simulated mouse, inside a private
# session bus (run through dbus-run-session): the script loads, focus changes reach the wire as
# 02H, and after KWin restarts the script is loaded again. Prints the delays and idle CPU.
# Arguments: program folder, simulated mouse library.
source "$(dirname "$0")/../../e2e/lib.sh"
make_sandbox "$1"
sim=$2
export XDG_CONFIG_HOME=$sandbox/config XDG_DATA_HOME=$sandbox/data HOME=$sandbox
export Z4SIM_STATE=$sandbox/mouse.state Z4SIM_WIRELOG=$sandbox/wire.log
export XDG_CURRENT_DESKTOP=KDE WAYLAND_DISPLAY=z4kwin
unset DISPLAY QT_QPA_PLATFORM SWAYSOCK HYPRLAND_INSTANCE_SIGNATURE
ctl() { LD_PRELOAD=$sim "$prog/z4ctl" "$@"; }
# kwin_wayland carries a file capability that a container may refuse to honour; a copy has none.
cp "$(command -v kwin_wayland)" "$sandbox/kwin_wayland"
# KWin's X11 display is known to the programs KWin starts; this one tells it to the test.
printf '#!/bin/sh\necho "$DISPLAY" >"%s/display"\nexec sleep 1000\n' "$sandbox" >"$sandbox/tell.sh"
chmod +x "$sandbox/tell.sh"
kwin_up() {
    rm -f "$sandbox/display"
    "$sandbox/kwin_wayland" --virtual --xwayland --socket z4kwin --width 1024 --height 768 "$sandbox/tell.sh" \
        >>"$sandbox/kwin.log" 2>&1 &
    kwin=$!
    wait_until 30 "KWin" sh -c "qdbus org.kde.KWin /Scripting >/dev/null && test -s '$sandbox/display'"
}
# foot divides by zero on KWin's virtual output: the windows are X11 ones (class xlogo, the
# instance names them), which KWin's script reports as any other.
window() { DISPLAY=$(cat "$sandbox/display") xlogo -name "$1" >/dev/null 2>&1 & }
scripting() { qdbus org.kde.KWin /Scripting "org.kde.kwin.Scripting.$@"; }
# Activates the window of the given class through a throw-away KWin script.
n=0
activate() {
    n=$((n + 1))
    cat >"$sandbox/activate$n.js" <<JS
var l = workspace.windowList ? workspace.windowList() : workspace.clientList();
for (var i = 0; i < l.length; ++i)
    if (l[i].resourceName == "$1") {
        if (workspace.windowList) workspace.activeWindow = l[i]; else workspace.activeClient = l[i];
    }
JS
    scripting loadScript "$sandbox/activate$n.js" "z4test-activate$n" >/dev/null
    scripting start
}
desktop=kwin

kwin_up
window z4alpha
window z4beta
sleep 2 # the two windows map
ctl switch add z4alpha 3 >/dev/null
ctl switch base 2
activate z4beta
LD_PRELOAD=$sim "$prog/z4switch" --print >"$sandbox/print" 2>"$sandbox/err" &
switcher=$!
wait_until 5 "z4switch on kwin" sh -c "LD_PRELOAD=$sim '$prog/z4ctl' --json switch status | grep -q '\"sources\":\[\"kwin\"\]'"
wait_until 5 "the script loaded" sh -c "qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.isScriptLoaded z4switch-focus | grep -q true"
[ -f "$XDG_DATA_HOME/z4config/kwin/z4switch-focus.js" ] || fail "script not in the data folder"
expect 2 "the base profile"
start=$(date +%s%N); activate z4alpha
expect 23 "rule's window" "$start"
start=$(date +%s%N); activate z4beta
expect 232 "base window" "$start"
grep -q "source kwin\|kwin" "$sandbox/print" || fail "no kwin report in: $(cat "$sandbox/print")"

ticks() { awk '{ print $14 + $15 }' "/proc/$switcher/stat"; }
before=$(ticks); sleep 10; after=$(ticks)
echo "kwin: z4switch idle CPU over 10 s: $(( (after - before) * 1000 / $(getconf CLK_TCK) )) ms"

# KWin restarts: its scripts are gone, and z4switch loads ours again when KWin is back.
kill "$kwin"; wait "$kwin" 2>/dev/null || true
kwin_up
wait_until 10 "the script loaded again" sh -c "qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.isScriptLoaded z4switch-focus | grep -q true"
window z4alpha
expect 2323 "the rule after KWin restarted"
kill -0 $switcher || fail "z4switch ended with KWin"
kill -TERM $switcher
wait_exit $switcher 2
kill "$kwin"
echo "ok: $(selections)"
