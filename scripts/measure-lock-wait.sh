#!/usr/bin/env bash
# How long the window's event loop stays blocked while another process holds the per-user
# exchange lock. The real program runs on the simulated mouse under Xvfb; `flock` holds the lock
# for 6 s while the window is asked to APPLY the key page (it waits for the lock, serving its
# events, and gives up after the deadline). A probe on the copy-data socket every 20 ms measures
# how long the event loop takes to answer, with the lock held and without. Then SIGTERM is sent
# during such a wait and the time to the program's end is taken.
# Usage: scripts/measure-lock-wait.sh [build folder]  (needs z4config and z4sim_preload built)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
if [ "${Z4_MEASURE_XVFB:-}" != 1 ]; then
    exec env Z4_MEASURE_XVFB=1 QT_QPA_PLATFORM=xcb QT_QUICK_BACKEND=software \
        "$here/tests/common/with-xvfb.sh" bash "$0" "$build"
fi
source "$here/tests/e2e/lib.sh"
make_sandbox "$build/bin"
export LD_PRELOAD=$build/lib/libz4sim_preload.so Z4SIM_STATE=$sandbox/mouse.state
sed -i 's/^3=.*/3=1/' "$prog/modules/setting/apConfig.bin"
lock=$Z4_RUNTIME_FOLDER/z4config-exchange.lock
socket=$Z4_RUNTIME_FOLDER/z4config-copydata-$(id -u)

# probe <seconds>: the longest answer of the event loop in ms over that time.
probe() {
    python3 - "$socket" "$1" <<'PY'
import socket, sys, time
path, until = sys.argv[1], time.monotonic() + float(sys.argv[2])
worst = 0.0
while time.monotonic() < until:
    began = time.monotonic()
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
        s.settimeout(10)
        s.connect(path)
        s.sendall(bytes(8))
        while s.recv(64):
            pass
    worst = max(worst, time.monotonic() - began)
    time.sleep(0.02)
print(round(worst * 1000, 1))
PY
}

start() {
    "$prog/z4config" 2>>"$sandbox/window.err" &
    pid=$!
    win=$(window_of "$pid" 30) || fail "no window within 30 s"
    sleep 3
    xdotool mousemove --window "$win" 78 192 click 1
    sleep 0.5
}
apply_while_held() {
    flock -o "$lock" sleep "$1" &
    holder=$!
    wait_until 5 "lock held" bash -c "! flock -n '$lock' true"
    xdotool mousemove --window "$win" 820 508 click 1
}

start
idle=$(probe 3)
apply_while_held 6
held=$(probe 5)
wait "$holder" || true

apply_while_held 6
sleep 0.5
stop_at=$(date +%s%N)
kill -TERM "$pid"
wait_exit "$pid" 5
stop_ms=$((($(date +%s%N) - stop_at) / 1000000))
kill "$holder" 2>/dev/null || true
echo "longest event-loop answer: ${held} ms while another process held the lock (${idle} ms idle);" \
    "SIGTERM during the wait ended the program in ${stop_ms} ms (exit status $exit_status)"
