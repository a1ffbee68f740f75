#!/usr/bin/env bash
# The window and `z4ctl profile 3` side by side on one simulated mouse (a shared state file):
# z4ctl runs while the window reads the mouse at start-up. No report of one process comes
# inside an exchange of the other, and the window shows P03 selected within 1 s of z4ctl's end.
# Arguments: program folder, simulated mouse library.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"
preload=$2
export Z4SIM_STATE=$sandbox/mouse.state ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
# The mouse's current profile differs from the file's, so the window writes the one it reads.
printf 'current 2\n' >"$Z4SIM_STATE"
# Animation off: the profile menu stands at its place at once.
sed -i 's/^3=.*/3=1/' "$prog/modules/setting/apConfig.bin"

LD_PRELOAD=$preload Z4SIM_WIRELOG=$sandbox/window.log "$prog/z4config" &
pid=$!
wait_until 30 "profile read by the window" grep -q ' out command feature 008c' "$sandbox/window.log"
LD_PRELOAD=$preload Z4SIM_WIRELOG=$sandbox/ctl.log "$prog/z4ctl" profile 3 || fail "z4ctl exit status $?"
# The window shows itself once its own reads are done; from then it has 1 s.
win=$(window_of "$pid" 30) || fail "no window within 30 s"
shown_at=$(date +%s%N)

# The middles of the selection bars beside P01, P02 and P03 (menu at 896, 70, rows 48 apart).
bars() {
    import -window "$win" -crop 1x97+907+104 +repage txt:- 2>/dev/null \
        | awk '/^[0-9]/ { split($1, at, /[,:]/); if (at[2] % 48 == 0) print $3 }'
}
shows_p03() {
    local bar
    read -r -d '' -a bar < <(bars) || true
    [ "${#bar[@]}" = 3 ] && [ "${bar[0]}" = "${bar[1]}" ] && [ "${bar[2]}" != "${bar[0]}" ]
}
wait_until 10 "P03 selected in the window" shows_p03
shown_ms=$((($(date +%s%N) - shown_at) / 1000000))

# Both processes' command-interface reports in time order: the process may change only where an
# exchange begins (its command's feature report out).
merged=$(for who in window ctl; do awk -v who=$who '$3 == "command" { print $1, who, $2 $4 }' \
    "$sandbox/$who.log"; done | sort -n -s)
interleaved=$(awk '$2 != last && last != "" && $3 != "outfeature" { print; n++ } { last = $2 }
    END { exit n > 0 }' <<<"$merged") || fail "reports inside another process's exchange: $interleaved"
awk '$2 == "ctl" { c = 1 } c && $2 == "window" { w = 1 } END { exit !w }' <<<"$merged" \
    || fail "z4ctl did not run during the window's reads, nothing was tested"
[ "$shown_ms" -le 1000 ] || fail "P03 selected $shown_ms ms after the window showed (at most 1000)"
echo "e2e_ctl_beside_window: exchanges apart on the wire, P03 selected ${shown_ms} ms after the window showed"
