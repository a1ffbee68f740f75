#!/usr/bin/env bash
# The installed program, started by an unprivileged user with a fresh home: it keeps its
# files in that user's data folder, leaves the installation untouched, and a second start
# keeps what the user changed. Once installed for everyone, once into the user's own ~/.local
# (where the installed data folder is where the user's would be) and started through a link
# of another name.
# Arguments: the program folder (unused), the build folder, the simulated mouse's preload library.
source "$(dirname "$0")/lib.sh"
build=$2
preload=$3
[ "$(id -u)" = 0 ] && command -v setpriv >/dev/null || { echo "needs root and setpriv"; exit 77; }

sandbox=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$sandbox"' EXIT
chmod 755 "$sandbox"
mkdir -p "$sandbox/tmp" "$sandbox/run"
chown nobody:nogroup "$sandbox/tmp" "$sandbox/run"
chmod 700 "$sandbox/run"
# What the installation holds; in ~/.local the user's data folder beside it is not part of it.
installed() {
    (cd "$stage" && find . -path ./share/z4config-user -prune -o -printf '%p %s %m\n' | sort &&
        find . -path ./share/z4config-user -prune -o -type f -exec md5sum {} + | sort)
}
xhost +si:localuser:nobody >/dev/null || fail "cannot let the user nobody reach the X server"

# The user nobody may not reach the build folder: the simulated mouse and a sanitizer build's
# suppressions go beside the installation. Before a sanitizer's runtime, a preloaded library
# is fine here.
cp "$preload" "$sandbox/sim.so"
lsan=${LSAN_OPTIONS:-}
supp=$(sed -En 's/(^|.*:)suppressions=([^:]*).*/\2/p' <<<"$lsan")
if [ -n "$supp" ]; then
    cp "$supp" "$sandbox/lsan.supp"
    lsan=${lsan/"$supp"/"$sandbox/lsan.supp"}
fi
start_as_nobody() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i DISPLAY="$DISPLAY" HOME="$sandbox/home" TMPDIR="$sandbox/tmp" \
        XDG_RUNTIME_DIR="$sandbox/run" QT_QPA_PLATFORM=xcb QT_QUICK_BACKEND=software \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" LSAN_OPTIONS="$lsan" \
        UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" LD_PRELOAD="$sandbox/sim.so" Z4SIM_STATE="$sandbox/tmp/mouse.state" \
        "$program" &
    pid=$!
    window_of "$pid" 30 >/dev/null || fail "the installed program showed no window"
}
stop() {
    kill -TERM "$pid"
    wait_exit "$pid" 5
    [ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM"
}

for layout in system user; do
    rm -rf "$sandbox/home" "$sandbox/stage"
    mkdir -p "$sandbox/home"
    if [ $layout = system ]; then
        stage=$sandbox/stage
        program=$stage/bin/z4config
        data=$sandbox/home/.local/share/z4config/modules
    else
        stage=$sandbox/home/.local
        program=$stage/bin/mouse-setup
        data=$sandbox/home/.local/share/z4config-user/modules
    fi
    cmake --install "$build" --prefix "$stage" >/dev/null || fail "install into $stage failed"
    [ $layout = system ] || ln -s z4config "$program"
    chown -R nobody:nogroup "$sandbox/home"
    before=$(installed)

    start_as_nobody
    wait_until 10 "profile file in the user's data folder ($layout)" test -s "$data/setting/p_Z4.bin"
    stop
    [ -d "$data/macro" ] || fail "no macro folder in the user's data folder ($layout)"
    [ "$(stat -c %U "$data/setting/apConfig.bin")" = nobody ] || fail "configuration not owned by the user ($layout)"
    [ "$(installed)" = "$before" ] || fail "the installation changed ($layout)"

    printf '\n[userEdit]\nkept=yes\n' >>"$data/setting/apConfig.bin"
    # A reinstall over the same prefix leaves the user's files alone.
    cmake --install "$build" --prefix "$stage" >/dev/null || fail "reinstall into $stage failed"
    before=$(installed)
    start_as_nobody
    stop
    [ "$(config_value "$data/setting/apConfig.bin" userEdit kept)" = yes ] ||
        fail "the reinstall or the second start replaced the user's configuration ($layout)"
    [ "$(installed)" = "$before" ] || fail "the installation changed on the second start ($layout)"
done
echo "e2e_install: data in the user's folder, installation unchanged, user's edit kept (system and ~/.local)"
