#!/usr/bin/env bash
# Runs a command beside a headless sway of its own (pixman renderer, no input devices, XWayland
# started on demand) with SWAYSOCK, WAYLAND_DISPLAY and XDG_RUNTIME_DIR set for it. sway refuses
# to run as root, so under root sway and its clients run as "nobody" in a private runtime folder
# (a user X can name: XWayland's local-user check needs a passwd entry). Exit 77: no sway here.
set -euo pipefail
command -v sway >/dev/null || { echo "sway is not installed" >&2; exit 77; }
dir=$(mktemp -d /tmp/z4sway.XXXXXX)
chmod 755 "$dir"
mkdir -p "$dir/run" "$dir/home"
chmod 700 "$dir/run"
printf 'xwayland enable\noutput HEADLESS-1 resolution 1024x768\n' >"$dir/config"
as=()
if [ "$(id -u)" = 0 ]; then
    chown nobody:nogroup "$dir/run" "$dir/home"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${as[@]}" env -i PATH=/usr/bin:/bin HOME="$dir/home" XDG_RUNTIME_DIR="$dir/run" WLR_BACKENDS=headless \
    WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c "$dir/config" >"$dir/sway.log" 2>&1 &
sway=$!
trap 'kill "$sway" 2>/dev/null || true; wait "$sway" 2>/dev/null || true; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
    sock=$(ls "$dir"/run/sway-ipc.*.sock 2>/dev/null || true)
    [ -n "$sock" ] && [ -S "$dir/run/wayland-1" ] && break
    sleep 0.1
done
[ -n "$sock" ] || { echo "sway did not start:" >&2; cat "$dir/sway.log" >&2; exit 1; }
# An absolute WAYLAND_DISPLAY still holds when a test moves XDG_RUNTIME_DIR to a sandbox.
export SWAYSOCK=$sock WAYLAND_DISPLAY=$dir/run/wayland-1 XDG_RUNTIME_DIR=$dir/run
unset DISPLAY
rc=0
"$@" || rc=$?
if [ -n "${Z4_SWAY_LOG:-}" ]; then cp "$dir/sway.log" "$Z4_SWAY_LOG"; fi
exit $rc
