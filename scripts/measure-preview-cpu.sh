#!/usr/bin/env bash
# Processor time of the colour page's lighting preview in the real program on the simulated
# mouse, in the renderer the program picks by default: 5 s each with the colour page shown
# (a still effect, then moving ones), with another page shown, under the settings panel, with the
# window minimised and with the window covered by another one.
#
#   scripts/measure-preview-cpu.sh [program folder (build/bin)] [preload library] [seconds (5)]
#
# Runs on a virtual X server of its own with a window manager that does not composite (so the
# X server itself reports a covered window), unless DISPLAY is set.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$here/build/bin}" && pwd)
preload=${2:-$(dirname "$bin")/lib/libz4sim_preload.so}
seconds=${3:-5}

if [ -z "${DISPLAY:-}" ]; then
    "$here/scripts/install-deps.sh" "$here/scripts/packages-measure.txt"
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$bin" "$preload" "$seconds"
fi
[ -f "$preload" ] || { echo "no simulated mouse at $preload (build target z4sim_preload)" >&2; exit 1; }

if command -v openbox >/dev/null && ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    openbox --sm-disable >/dev/null 2>&1 &
    sleep 1
fi

. "$here/scripts/drive-window.sh"
start_program "$bin" "$preload"
find_window

# measure <what>: processor time of the program over the next $seconds seconds.
measure() {
    xdotool mousemove --window "$window" 80 520   # no hover glow on any control
    sleep 1
    local ms
    ms=$(cpu_ms "$seconds")
    awk -v w="$1" -v ms="$ms" -v s="$seconds" 'BEGIN { printf "%-44s %6d ms  %5.1f %% of one core\n", w, ms, ms / (s * 10) }'
}

# effect <drop-down row>: the colour page's effect drop-down, rows 24 px apart below it.
effect() {
    click 612 150 0.8
    click 612 $((178 + 24 * $1)) 1.0
}

sleep 6                      # the start-up animation
store_factory_settings       # colours for the effects that use them
click 78 336 2.0             # the colour page
printf '%-44s %9s  %s\n' "over ${seconds} s" "CPU" ""
effect 1
measure "colour page, STATIC (still)"
names=("" "" TWINKLING BREATHING NEON WAVE GLIDING "FINGER MOVING" "VERTICAL FLIPPING" YO-YO SPOTLIGHT)
for row in 2 3 4 5 6 7 8 9 10; do
    effect "$row"
    measure "colour page, ${names[$row]}"
done

effect 5                     # keep a moving effect for the rest
click 78 408 2.0             # the sensor page
measure "sensor page shown (preview hidden)"
click 78 336 2.0
click 928 22 1.5             # the settings panel
measure "colour page under the settings panel"
click 928 22 1.5

xdotool windowminimize --sync "$window"
measure "window minimised"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowmap --sync "$window"
sleep 1
measure "colour page again (WAVE)"

xmessage -geometry 1100x700+0+0 "covering window" &
cover=$!
sleep 1.5
measure "window covered"
kill "$cover"
wait "$cover" 2>/dev/null || true
measure "uncovered again (WAVE)"

kill -TERM "$pid"
wait "$pid" || true
