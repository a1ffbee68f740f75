#!/usr/bin/env bash
# Measures, on the built program folder, the time from exec to a visible window and the peak
# resident memory over a short run. Not a test: prints figures for a person to compare.
#   xvfb-run -a bench/measure_startup.sh build/bin [runs]
source "$(dirname "$0")/../tests/e2e/lib.sh"
make_sandbox "$1"
runs=${2:-5}
export QT_QUICK_BACKEND=${QT_QUICK_BACKEND:-software}
cd "$elsewhere"
for i in $(seq "$runs"); do
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$sandbox/rss" "$prog/z4config" &
    timer=$!
    until xdotool search --onlyvisible --class z4config >/dev/null 2>&1; do sleep 0.005; done
    shown=$(date +%s%N)
    sleep 2
    kill -TERM "$(pgrep -P "$timer")" || true
    wait "$timer" || true
    echo "run $i: window after $(((shown - start) / 1000000)) ms, peak RSS $(cat "$sandbox/rss") KiB"
done
