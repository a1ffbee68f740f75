# Helpers for the scripts that drive the real program with xdotool on a virtual X server.
# Source this file, then start the program with start_program (or start it in the background
# yourself with its process id in $pid).

# start_program <program folder> <simulated mouse library>: a copy of the program in a
# throw-away sandbox ($sandbox, removed at exit) on the simulated mouse, started in the
# background; sets $pid. The program's messages go to $sandbox/log.
start_program() {
    sandbox=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$sandbox"' EXIT
    cp -r "$1" "$sandbox/prog"
    mkdir -p -m 700 "$sandbox/home" "$sandbox/tmp"
    HOME=$sandbox/home TMPDIR=$sandbox/tmp XDG_RUNTIME_DIR=$sandbox/tmp Z4_RUNTIME_FOLDER=$sandbox/tmp \
        LD_PRELOAD=$2 Z4SIM_STATE=$sandbox/mouse.state "$sandbox/prog/z4config" 2>"$sandbox/log" &
    pid=$!
}

# cpu_ms <seconds>: the processor time the program uses over the next seconds, in ms.
cpu_ms() {
    local c0 c1
    c0=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep "$1"
    c1=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    echo $(( (c1 - c0) * 1000 / $(getconf CLK_TCK) ))
}

# find_window: waits for the program's window, moves it to the screen's corner, sets $window.
find_window() {
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "the program showed no window" >&2; exit 1; }
    xdotool windowmove --sync "$window" 0 0 || true
}

# click <x> <y> [pause]: a left click at a window position, then a pause (1.2 s).
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep "${3:-1.2}"
}

# confirm <title>: answers the window's own question (of that title) with its going-on answer:
# the focus starts on CANCEL, and the answer to its right goes on.
confirm() {
    sleep 0.5
    xdotool key --clearmodifiers Tab space
    sleep 1.5
}

# store_factory_settings: the simulated mouse starts with blank memory; show and store the
# factory settings of the first profile, each button waiting out its lock (ALL SAVE 2 s).
store_factory_settings() {
    click 943 104 1.5 # profile P01
    click 428 577 0.2 # ALL RESET
    confirm "ALL RESET"
    click 572 577 3.5 # ALL SAVE
}
