#!/usr/bin/env bash
# z4switch's figures, for a person to compare (not a test), on a virtual X server with openbox
# and the simulated mouse: CPU time over an idle minute without focus changes, resident memory,
# and the delay from the focus change to the 02H on the wire (the 250 ms of settling included),
# median and slowest of N changes.
#
#   scripts/bench-switch.sh [--runs 10] [--idle 60] build/bin build/lib/libz4sim_preload.so \
#       build/tests/focus/z4testwindow
set -euo pipefail
runs=10 idle=60
while [ "${1:-}" = --runs ] || [ "${1:-}" = --idle ]; do
    [ "$1" = --runs ] && runs=$2 || idle=$2
    shift 2
done
[ $# -eq 3 ] || { echo "usage: $0 [--runs N] [--idle S] program-folder simulated-mouse-library test-window" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
abs() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
prog=$(abs "$1") sim=$(abs "$2") testwindow=$(abs "$3")
exec "$root/tests/common/with-xvfb.sh" bash -s "$prog" "$sim" "$testwindow" "$runs" "$idle" <<'SCRIPT'
set -euo pipefail
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$1" "$work/prog"
sim=$2 testwindow=$3 runs=$4 idle=$5
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config TMPDIR=$work
export Z4SIM_STATE=$work/mouse.state Z4SIM_WIRELOG=$work/wire.log
openbox --sm-disable 2>/dev/null &
for _ in $(seq 200); do xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && break; sleep 0.1; done
"$testwindow" Alpha alpha >"$work/a" &
"$testwindow" Beta beta >"$work/b" &
for _ in $(seq 100); do [ -s "$work/a" ] && [ -s "$work/b" ] && break; sleep 0.05; done
LD_PRELOAD=$sim "$work/prog/z4ctl" switch add alpha 3 >/dev/null
LD_PRELOAD=$sim "$work/prog/z4ctl" switch base 2
LD_PRELOAD=$sim "$work/prog/z4switch" 2>/dev/null &
pid=$!
sleep 2

# The focus changes: the wire log's times are the monotonic clock's, in µs.
python3 - "$work" "$runs" <<'PY'
import os, subprocess, sys, threading, time
work, runs = sys.argv[1], int(sys.argv[2])
ids = [int(open(f"{work}/{w}").read().strip()) for w in ("a", "b")]
log = f"{work}/wire.log"
# When the window manager changed _NET_ACTIVE_WINDOW, as an X client sees it.
changed = {}
spy = subprocess.Popen(["xprop", "-spy", "-root", "_NET_ACTIVE_WINDOW"], stdout=subprocess.PIPE, text=True)
def follow():
    for line in spy.stdout:
        if "window id" in line:
            changed[int(line.split()[-1], 16)] = time.monotonic_ns() // 1000
threading.Thread(target=follow, daemon=True).start()
delays = []
for i in range(runs):
    size = os.path.getsize(log) if os.path.exists(log) else 0
    target = ids[i % 2]
    changed.pop(target, None)
    subprocess.run(["xdotool", "windowactivate", str(target)], stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 3
    seen = None
    while seen is None and time.monotonic() < deadline:
        if os.path.exists(log):
            with open(log) as f:
                f.seek(size)
                for line in f:
                    w = line.split()
                    if len(w) > 4 and w[1] == "out" and w[4][2:4] == "02":
                        seen = int(w[0])
        time.sleep(0.005)
    if seen is not None and target in changed:
        delays.append((seen - changed[target]) / 1000)
    time.sleep(0.6)
spy.kill()
delays.sort()
print(f"focus change (_NET_ACTIVE_WINDOW) to 02H on the wire, 250 ms of settling included: "
      f"median {delays[len(delays) // 2]:.0f} ms, slowest {delays[-1]:.0f} ms ({len(delays)} of {runs} changes)")
PY
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$idle"
after=$(ticks)
echo "idle CPU over $idle s without focus changes: $(( (after - before) * 1000 / hz )) ms"
echo "resident memory: $(awk '/VmRSS/ { printf "%.1f MB", $2 / 1024 }' "/proc/$pid/status")," \
    "peak $(awk '/VmHWM/ { printf "%.1f MB", $2 / 1024 }' "/proc/$pid/status")"
start=$(date +%s%N)
kill -TERM "$pid"
while kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
echo "SIGTERM to exit: $(( ($(date +%s%N) - start) / 1000000 )) ms"
SCRIPT
