#!/usr/bin/env bash
# The real program as a screen reader sees it on the accessibility bus, in every language: one
# frame named as the window, holding the controls, and no object that takes focus without a
# name, on every page. Argument: program folder.
source "$(dirname "$0")/lib.sh"
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi
make_sandbox "$1"
here=$(cd "$(dirname "$0")" && pwd)
config=$prog/modules/setting/apConfig.bin
sed -i 's/^3=0$/3=1/' "$config" # animations off
title=$(config_value "$config" common name)

/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0

packs=("$prog"/modules/i18n/lang_*.ini)
[ ${#packs[@]} -gt 0 ] || fail "no language packs"
failed=0
for position in "${!packs[@]}"; do
    sed -i "s/^4=.*/4=$position/" "$config"
    pages=()
    for index in 74 75 76 86; do
        pages+=("$(config_value "${packs[$position]}" strings $index | sed 's/^"//; s/"$//')")
    done
    cd "$elsewhere"
    "$prog/z4config" &
    pid=$!
    window_of "$pid" 30 >/dev/null || fail "no window within 30 s"
    echo "$(basename "${packs[$position]}"):"
    timeout 120 /usr/bin/python3 "$here/atspi_tree.py" "$pid" "$title" "${pages[@]}" || failed=1
    kill -TERM "$pid"
    wait_exit "$pid" 10
done
[ $failed = 0 ] || fail "see the faults above"
echo "PASS"
