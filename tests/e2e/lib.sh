# Shared steps of the end-to-end tests. Each test gets a private copy of the program folder
# and private temporary and runtime folders, so its single-instance lock and socket are its own.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# make_sandbox <program folder>: sets $sandbox, $prog (the copied program folder), $elsewhere.
make_sandbox() {
    sandbox=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$sandbox"' EXIT
    cp -r "$1" "$sandbox/prog"
    prog=$sandbox/prog
    elsewhere=$sandbox/elsewhere
    mkdir -p "$elsewhere" "$sandbox/tmp"
    mkdir -m 700 "$sandbox/run"
    export TMPDIR=$sandbox/tmp XDG_RUNTIME_DIR=$sandbox/run Z4_RUNTIME_FOLDER=$sandbox/run
}

# config_value <ini file> <section> <key>
config_value() {
    awk -F= -v section="[$2]" -v key="$3" '
        /^\[/ { in_section = ($0 == section) }
        in_section && $1 == key { sub(/^[^=]*=/, ""); print; exit }' "$1" | tr -d '\r'
}

# window_of <pid> <timeout s>: prints the id of the pid's visible top-level window.
window_of() {
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# wait_exit <pid> <timeout s>: waits for the pid (a child of this shell) and sets
# $exit_status, or fails. Not usable in a subshell: only the parent can reap its child.
wait_exit() {
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "process $1 still running after $2 s"
        sleep 0.05
    done
    exit_status=0
    wait "$1" || exit_status=$?
}

# wait_until <timeout s> <what> <command...>: runs the command every 0.1 s until it succeeds,
# or fails the test naming what it waited for.
wait_until() {
    local timeout=$1 what=$2
    local deadline=$((SECONDS + timeout))
    shift 2
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "no $what within $timeout s"
        sleep 0.1
    done
}

# A click into the window $win at "x y", with time for the scene to answer.
click_at() {
    xdotool mousemove --window "$win" $1 click 1
    sleep 0.4
}

# The key page's default slots; start_with_default_keys <mouse state file> has the simulated
# mouse start with them in profile 1, the current one.
key_defaults=$(printf '%s' 0100f000 0100f100 0100f200 0100f400 0100f300 07000100 07000200 0af02203 \
    05000300 03008a01 03002302 03009401 00000000 00000000 04000100 04000200)
start_with_default_keys() {
    printf 'current 1\nprofile 1 matrix %s%0128d\n' "$key_defaults" 0 >"$1"
}
# Window coordinates: function menu entry "KEY", the key page's category box and its first row
# "KEYBOARD", the key input, APPLY (the page area starts at 160, 56).
key_entry="78 192"
category_box="590 168"
keyboard_row="590 197"
key_input="590 226"
apply="820 508"

# The profiles of the 02H commands on the simulated mouse's wire ($Z4SIM_WIRELOG), in order.
selections() {
    awk '$2 == "out" && $3 == "command" && substr($5, 3, 2) == "02" { printf "%d", substr($5, 6, 1) }' \
        "$Z4SIM_WIRELOG" 2>/dev/null
}
# expect <profiles so far> <what> [start ns]: waits up to 8 s for the wire to show them, printing
# the switcher's output when it does not; given the focus change's time, prints the delay to the
# 02H under the name $desktop.
expect() {
    local deadline=$((SECONDS + 8))
    until [ "$(selections)" = "$1" ]; do
        [ $SECONDS -lt $deadline ] || { cat "$sandbox/print" "$sandbox/err" >&2; fail "$2: wire $(selections), want $1"; }
        sleep 0.01
    done
    [ -z "${3:-}" ] || echo "${desktop:-switch}: $2: 02H $(( ($(date +%s%N) - $3) / 1000000 )) ms after the focus change"
}
