#!/usr/bin/env bash
# z4switch beside a headless GNOME Shell of its own, inside a private session bus (run through
# dbus-run-session) and a stand-in system bus: without our extension it names the command
# that enables it; with it, focus changes reach the wire as 02H. Prints delays and idle CPU.
# Arguments: program folder, simulated mouse library.
source "$(dirname "$0")/../../e2e/lib.sh"
make_sandbox "$1"
sim=$2
here=$(cd "$(dirname "$0")" && pwd)
export XDG_CONFIG_HOME=$sandbox/config XDG_DATA_HOME=$sandbox/data HOME=$sandbox
export Z4SIM_STATE=$sandbox/mouse.state Z4SIM_WIRELOG=$sandbox/wire.log
export XDG_CURRENT_DESKTOP=GNOME
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM SWAYSOCK HYPRLAND_INSTANCE_SIGNATURE
ctl() { LD_PRELOAD=$sim "$prog/z4ctl" "$@"; }
ours=z4switch-focus@z4config.github.io
helper=z4test-helper@z4config.github.io
mkdir -p "$XDG_DATA_HOME/gnome-shell/extensions"
cp -r "$here/../../../focus/wayland/gnome/$ours" "$here/$helper" "$XDG_DATA_HOME/gnome-shell/extensions/"
# The shell asks logind on the system bus; a bus of our own answers (without logind).
{ read -r DBUS_SYSTEM_BUS_ADDRESS; read -r sysbus; } < <(dbus-daemon --config-file=/usr/share/dbus-1/session.conf \
    --fork --print-address=1 --print-pid=1)
export DBUS_SYSTEM_BUS_ADDRESS
trap 'rc=$?; [ $rc = 0 ] || { grep -iE "extension|z4|JS" "$sandbox/shell.log"; gsettings get org.gnome.shell enabled-extensions; ls "$XDG_DATA_HOME/gnome-shell/extensions"; } >&2; kill $(jobs -p) "$sysbus" 2>/dev/null || true; rm -rf "$sandbox"' EXIT
# dconf's service, started by the bus, must keep the settings where the shell reads them.
dbus-update-activation-environment HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_RUNTIME_DIR
gsettings set org.gnome.shell disable-user-extensions false
gsettings set org.gnome.shell enabled-extensions "['$helper']"
gnome-shell --headless --wayland --virtual-monitor 1024x768 --wayland-display z4gs >"$sandbox/shell.log" 2>&1 &
export WAYLAND_DISPLAY=z4gs
wait_until 60 "GNOME Shell" gdbus call --session -d org.gnome.Shell -o /io/github/z4config/TestHelper \
    -m io.github.z4config.TestHelper.Activate none
ctl switch add z4alpha 3 >/dev/null
ctl switch base 2

# Without the extension: no source, and the reason names the command.
LD_PRELOAD=$sim "$prog/z4switch" >/dev/null 2>"$sandbox/err" && fail "z4switch ran without a source"
grep -q "gnome-extensions enable $ours" "$sandbox/err" || fail "no hint: $(cat "$sandbox/err")"

gsettings set org.gnome.shell enabled-extensions "['$helper', '$ours']"
wait_until 20 "our extension" gdbus call --session -d org.gnome.Shell -o /io/github/z4config/Focus \
    -m io.github.z4config.Focus1.Get
foot -a z4alpha sleep 300 >/dev/null 2>&1 &
foot -a z4beta sleep 300 >/dev/null 2>&1 &
activate() { gdbus call --session -d org.gnome.Shell -o /io/github/z4config/TestHelper \
    -m io.github.z4config.TestHelper.Activate "$1" | grep -q true; }
wait_until 10 "the windows" sh -c "gdbus call --session -d org.gnome.Shell -o /io/github/z4config/TestHelper -m io.github.z4config.TestHelper.Activate z4alpha | grep -q true && gdbus call --session -d org.gnome.Shell -o /io/github/z4config/TestHelper -m io.github.z4config.TestHelper.Activate z4beta | grep -q true"
gdbus call --session -d org.gnome.Shell -o /io/github/z4config/Focus -m io.github.z4config.Focus1.Get \
    | grep -q "z4beta" || fail "Get: $(gdbus call --session -d org.gnome.Shell -o /io/github/z4config/Focus -m io.github.z4config.Focus1.Get)"

desktop=gnome
LD_PRELOAD=$sim "$prog/z4switch" --print >"$sandbox/print" 2>"$sandbox/err" &
switcher=$!
expect 2 "the base profile for the window in front at start"
start=$(date +%s%N); activate z4alpha
expect 23 "rule's window" "$start"
start=$(date +%s%N); activate z4beta
expect 232 "base window" "$start"
ticks() { awk '{ print $14 + $15 }' "/proc/$switcher/stat"; }
before=$(ticks); sleep 10; after=$(ticks)
echo "gnome: z4switch idle CPU over 10 s: $(( (after - before) * 1000 / $(getconf CLK_TCK) )) ms"
kill -TERM $switcher
wait_exit $switcher 2
echo "ok: $(selections)"
