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
