#!/usr/bin/env bash
# Processor time of the real program at rest on each page and under the settings panel, on the
# simulated mouse (whose blank memory holds no moving lighting effect): each page is opened, left
# alone for 6 s (attention animations end), then measured for the given seconds.
#
#   scripts/measure-idle-cpu.sh [program folder (build/bin)] [preload library] [seconds (5)]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$here/build/bin}" && pwd)
preload=${2:-$here/build/lib/libz4sim_preload.so}
seconds=${3:-5}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$bin" "$preload" "$seconds"
fi
[ -f "$preload" ] || { echo "no simulated mouse at $preload (build target z4sim_preload)" >&2; exit 1; }

. "$here/scripts/drive-window.sh"
start_program "$bin" "$preload"
find_window
sleep 6 # the start-up animation

measure() {
    xdotool mousemove --window "$window" 500 20 # no hover glow on any control
    sleep 6
    printf '%-28s %6d ms in %d s\n' "$1" "$(cpu_ms "$seconds")" "$seconds"
}

measure "start (no page shown)"
click 78 264 0.5; measure "macro page"
click 78 336 0.5; measure "colour page"
click 78 408 0.5; measure "sensor page"
click 78 192 0.5; measure "key page"
click 928 22 0.5; measure "settings panel"
kill -TERM "$pid"
wait "$pid" || true
