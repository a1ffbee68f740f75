#!/usr/bin/env bash
# Pictures of the real program on the simulated mouse, for README and the user guide:
# the window after the start-up animation, with the settings panel open, and with each page;
# the colour page's lighting preview; then the panel and each page in every shipped language; the keyboard's focus mark; the
# status without the mouse and with a mouse that cannot be opened; last the window at 200 %
# and at 125 % scale (which must fit a 1366 x 768 screen).
#
#   scripts/screenshots.sh [program folder (build/bin)] [preload library] [output folder]
#
# Runs on a virtual X server of its own unless DISPLAY is set. Each picture is a 256-colour
# PNG (kept under 200 KB); the build copies docs/screenshots beside the user guide.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$here/build/bin}" && pwd)
preload=${2:-$(dirname "$bin")/lib/libz4sim_preload.so}
out=${3:-$here/docs/screenshots}

"$here/scripts/install-deps.sh" "$here/scripts/packages.txt" "$here/scripts/packages-run.txt" \
    "$here/scripts/packages-screenshots.txt"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 2048x1280x24" "$0" "$bin" "$preload" "$out"
fi
[ -f "$preload" ] || { echo "no simulated mouse at $preload (build target z4sim_preload)" >&2; exit 1; }
mkdir -p "$out"

sandbox=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$sandbox"' EXIT
cp -r "$bin" "$sandbox/prog"
mkdir -p -m 700 "$sandbox/home" "$sandbox/tmp"

# A recorded macro for the macro page: each action is a value and a ten-character command
# field, right-aligned, as the page writes them.
action() { printf '%d="%s%10s"\n' "$1" "$2" "$3"; }
mkdir -p "$sandbox/prog/modules/macro/1"
{
    printf '[config]\nindex=-1\ntotal=12\nrepeat=1\n\n[macro]\n'
    action 0 "L Shift" "[Down]"
    action 1 "H" "[Down]"
    action 2 "50" "[Delay]"
    action 3 "H" "[Up]"
    action 4 "L Shift" "[Up]"
    action 5 "I" "[Down]"
    action 6 "50" "[Delay]"
    action 7 "I" "[Up]"
    action 8 "120" "[Delay]"
    action 9 "Enter" "[Down]"
    action 10 "30" "[Delay]"
    action 11 "Enter" "[Up]"
} >"$sandbox/prog/modules/macro/1/Greeting.bin"

. "$here/scripts/drive-window.sh"

# launch [VAR=value ...]: starts the program on the simulated mouse with that extra
# environment, sets pid and window, and puts the window at the screen's top left.
launch() {
    env HOME=$sandbox/home TMPDIR=$sandbox/tmp XDG_RUNTIME_DIR=$sandbox/tmp Z4_RUNTIME_FOLDER=$sandbox/tmp "$@" \
        QT_QUICK_BACKEND=${QT_QUICK_BACKEND:-software} \
        LD_PRELOAD=$preload Z4SIM_STATE=$sandbox/mouse.state "$sandbox/prog/z4config" &
    pid=$!
    find_window
}

# Window positions are in screen pixels: at a scale factor they grow with it.
scale=1
px() { awk "BEGIN { print int($1 * $scale) }"; }

launch

# shot <name>: the window as it is now, the pointer parked on an empty spot.
shot() {
    xdotool mousemove --window "$window" "$(px 80)" "$(px 520)"
    sleep 0.4
    import -silent -window "$window" -colors 256 "PNG8:$out/$1.png"
    local size
    size=$(stat -c %s "$out/$1.png")
    [ "$size" -lt 204800 ] || echo "warning: $1.png is $size bytes" >&2
    echo "$out/$1.png"
}

# click <x> <y>: a left click at a window position.
click() {
    xdotool mousemove --window "$window" "$(px "$1")" "$(px "$2")" click 1
    sleep "${3:-1.2}"
}

# The start-up animation takes about 4.5 s at the default speed, the menus' power-on after it.
sleep 6

# The simulated mouse starts with blank memory: show and store the factory settings of the
# first profile, each button waiting out its lock (ALL SAVE 2 s) and the writes after it.
click 943 104 1.5         # profile P01
click 428 577 1.5         # ALL RESET, which asks first: Tab from Cancel to OK, Space
xdotool key --delay 100 Tab space
sleep 1.5
click 572 577 3.5         # ALL SAVE
shot main

click 928 22 1.5          # the settings button
shot settings
click 928 22 1.2          # close the panel again

# The function menu's four entries (KEY, MACRO, COLOR, SENSOR): 56 px high, 72 px apart.
pages=(keydefine macro color sensor)
for i in "${!pages[@]}"; do
    click 78 $((192 + 72 * i)) 2.0
    # The macro page shows the recorded macro: its row is the list's first.
    [ "${pages[$i]}" = macro ] && click 280 126 1.0
    shot "page_${pages[$i]}"
done

# The focus mark, with the sensor page still open: from an empty spot, Tab past the page
# menu's four entries and the five profiles to the report rate, then on to the DPI stages,
# whose pop-up Space opens.
click 500 524 0.5                       # the page's empty bottom: no control holds the keys
xdotool key --delay 60 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
shot focus_rate
xdotool key --delay 60 Tab Tab Tab Tab space
sleep 1                                 # the pop-up's fade
shot focus_stage
xdotool key Escape

# The colour page's lighting preview: three effects, each at two moments about half a second
# apart: preview/<effect>_1.png and _2.png. The effect drop-down's rows are 24 px apart.
mkdir -p "$out/preview"
click 78 336 2.0          # COLOR
for effect in 5:wave 8:vertical_flipping 10:spotlight; do
    click 612 150 0.8
    click 612 $((178 + 24 * ${effect%%:*})) 0.2
    shot "preview/${effect#*:}_1"
    sleep 0.1
    shot "preview/${effect#*:}_2"
done
click 830 508 1.5         # APPLY, so a language change below has no edits to ask about

# Every page and the settings panel in each shipped language, for a person to check that each
# text fits its control: languages/<language>_<page>.png. Names in the language menu's order.
languages=(chinese-simplified chinese-traditional english french german japanese spanish)
shipped=$(find "$bin/modules/i18n" -name 'lang_*.ini' | wc -l)
[ "$shipped" -eq "${#languages[@]}" ] || echo "warning: $shipped language packs, ${#languages[@]} names" >&2
mkdir -p "$out/languages"
for l in "${!languages[@]}"; do
    click 928 22 1.2                    # the settings button
    click 830 106 0.8                   # the language list
    click 830 $((135 + 24 * l)) 1.0     # the language: rows of 24 px below the box
    shot "languages/${languages[$l]}_settings"
    click 928 22 1.2
    for i in "${!pages[@]}"; do
        click 78 $((192 + 72 * i)) 2.0
        shot "languages/${languages[$l]}_${pages[$i]}"
    done
done

kill -TERM "$pid"
wait "$pid" || true

# The mouse's status at the top left: unplugged, then found but refused (its help opened).
for state in not_connected no_permission; do
    env=Z4SIM_PLUGGED=0
    [ "$state" = no_permission ] && env=Z4SIM_DENY=1
    launch $env
    sleep 6
    [ "$state" = no_permission ] && click 80 22 1.0
    shot "status_$state"
    kill -TERM "$pid"
    wait "$pid" || true
done

# High-density screens: the same window at 200 % and 125 % with the sensor page open, its
# pictures taken from the @2x files; at 125 % it must fit a 1366 x 768 screen.
for scale in 2 1.25; do
    launch QT_SCALE_FACTOR=$scale
    sleep 6
    click 78 408 2.0                    # the sensor page
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "scale $scale: window ${WIDTH}x${HEIGHT}"
    [ "$WIDTH" -le 1366 ] || [ "$scale" != 1.25 ] || echo "warning: too wide for 1366 x 768" >&2
    shot "scale_${scale/./_}"
    kill -TERM "$pid"
    wait "$pid" || true
done
