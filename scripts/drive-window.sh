# Helpers for the scripts that drive the real program with xdotool on a virtual X server.
# Source this file after starting the program in the background with its process id in $pid.

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
