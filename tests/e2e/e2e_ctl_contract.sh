#!/usr/bin/env bash
# z4ctl as a script uses it, the real executable on the simulated mouse: relative paths from
# another folder, the README's lines as written, no permission without the library's own line,
# and the shell completion through the installed script.
# Arguments: program folder, simulated mouse library, the bash completion script.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"
export LD_PRELOAD=$2 Z4SIM_STATE=$sandbox/mouse.state PATH=$sandbox/prog:$PATH
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
mkdir -p "$prog/modules/macro/1"
printf '[config]\nindex=-1\ntotal=1\nrepeat=1\n[macro]\n0=Z    [Down]\n1=Z      [Up]\n' >"$prog/modules/macro/1/m1.bin"

cd "$elsewhere"
z4ctl export 2 mine.pf || fail "export to a relative path: exit $?"
[ -f mine.pf ] && [ ! -e "$prog/mine.pf" ] || fail "mine.pf not in the caller's folder"
z4ctl import mine.pf 4 || fail "import from a relative path: exit $?"

# The README's lines, as written.
z4ctl profile 3 || fail "profile 3: exit $?"
z4ctl dpi --profile 2 400,800,1600 && z4ctl dpi --profile 2 --active 2 || fail "README dpi line: exit $?"
rate=$(z4ctl --json show | jq .report_rate_hz) || fail "README show line: exit $?"
[[ $rate =~ ^[0-9]+$ ]] || fail "report rate '$rate' from --json show"

status=0
Z4SIM_DENY=1 z4ctl rate 500 2>"$sandbox/denied" || status=$?
[ "$status" = 3 ] || fail "no permission: exit $status, not 3"
grep -q 'no permission.*sim/hidraw0' "$sandbox/denied" && grep -q 'udevadm' "$sandbox/denied" \
    || fail "no permission not told: $(cat "$sandbox/denied")"
! grep -q 'Cannot open HID device' "$sandbox/denied" || fail "the library's own line was printed"

# Completion: the line typed so far (its last word completed) and what the shell offers.
source "$3"
offers() {
    COMP_LINE="z4ctl $1" COMP_POINT=$((${#1} + 6)) COMPREPLY=()
    _z4ctl
    echo "${COMPREPLY[*]}"
}
while IFS='|' read -r line expected; do
    got=$(offers "$line")
    [ "$got" = "$expected" ] || fail "completion of '$line': '$got', not '$expected'"
done <<'TABLE'
macro show |m1
export 2 mi|mine.pf
import a.pf |1 2 3 4 5
light --colors |
button 3 mouse:l|left
button 3 ma|macro:
TABLE
echo "e2e_ctl_contract: paths, README lines, no permission and completion as promised"
