#!/usr/bin/env bash
# The profile switcher's rules view for README and the user guide, with the switcher running
# on openbox beside two windows: docs/screenshots/switch.png in English, and the same view in
# the language of the given row of the settings panel's list (default German) for a look.
#
#   scripts/screenshot-switch.sh [program folder (build/bin)] [preload library] [test window]
#       [language row] [second picture]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$here/build/bin}" && pwd)
preload=${2:-$(dirname "$bin")/lib/libz4sim_preload.so}
testwindow=${3:-$(dirname "$bin")/tests/focus/z4testwindow}
row=${4:-2}
second=${5:-/tmp/switch_de.png}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$bin" "$preload" "$testwindow" "$row" "$second"
fi
sandbox=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$sandbox"' EXIT
cp -r "$bin" "$sandbox/prog"
mkdir -p -m 700 "$sandbox/home" "$sandbox/tmp"
export HOME=$sandbox/home TMPDIR=$sandbox/tmp XDG_RUNTIME_DIR=$sandbox/tmp XDG_CONFIG_HOME=$sandbox/home/.config
export LD_PRELOAD=$preload Z4SIM_STATE=$sandbox/mouse.state QT_QUICK_BACKEND=software
openbox --sm-disable 2>/dev/null &
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && break; sleep 0.1; done
"$sandbox/prog/z4ctl" switch add steam_app_730 3 >/dev/null
"$sandbox/prog/z4ctl" switch add firefox 2 --title YouTube >/dev/null
"$sandbox/prog/z4ctl" switch base 1
"$sandbox/prog/z4switch" 2>/dev/null &
for app in org.gnome.Nautilus Firefox steam_app_730; do
    "$testwindow" "$app" "$app" >"$sandbox/$app" &
    sleep 0.8
done
sleep 1
"$sandbox/prog/z4config" &
pid=$!
. "$here/scripts/drive-window.sh"
find_window
sleep 4

# shot <file>: the rules view of P03, opened from its context menu (APPS… is its third row;
# the menu's right edge stays put whatever the language makes of its width).
shot() {
    xdotool mousemove --window "$window" 943 200 click 3
    sleep 1
    click 870 256 1.5
    import -silent -window "$window" -colors 256 "PNG8:$1"
    echo "$1"
    xdotool key Escape
    sleep 0.8
}
shot "$here/docs/screenshots/switch.png"
click 928 22 1.2                   # the settings button
click 830 106 0.8                  # the language list
click 830 $((135 + 24 * row)) 1.5  # the language
click 928 22 1.2
shot "$second"
