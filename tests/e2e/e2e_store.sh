#!/usr/bin/env bash
# The real program with the simulated mouse preloaded: detection and refresh on the wire and
# the profile file they leave; then a start with the mouse unplugged, which loads that file and
# sends nothing. Arguments: program folder, simulated mouse library.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"
preload=$2
wirelog=$sandbox/wire.log
live=$prog/modules/setting/p_Z4.bin
# In a sanitizer build the preloaded library comes before the sanitizer runtime; that is fine here.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

# Command codes of the commands that reached the mouse, in order.
sent_codes() {
    awk '$2 == "out" && $3 == "command" && $4 == "feature" { printf "%s ", substr($5, 3, 2) }' "$wirelog" 2>/dev/null
}

# run_program <plugged 0|1> <wait condition>: starts, waits for the window and the condition, stops.
run_program() {
    rm -f "$wirelog"
    LD_PRELOAD=$preload Z4SIM_SAMPLE=1 Z4SIM_WIRELOG=$wirelog Z4SIM_PLUGGED=$1 "$prog/z4config" &
    local pid=$! deadline=$((SECONDS + 30))
    window_of "$pid" 30 >/dev/null || fail "no window within 30 s"
    until eval "$2"; do
        [ $SECONDS -lt $deadline ] || fail "gave up waiting for: $2 (sent: $(sent_codes))"
        sleep 0.1
    done
    kill -TERM "$pid"
    wait_exit "$pid" 5
    [ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM"
}

# The sample mouse: current profile 3, every image 0, 3, 6, ..., profile p at rate p + 4 and
# stage p + 1, lighting type 1.
# First run: 01H at detection, 80H for the status's firmware version, then 82H and per profile 8CH 8DH 84H 83H, 89H once for profile 0.
expected="01 80 82 8c 8d 84 83 89"
for _ in 1 2 3 4 5; do expected+=" 8c 8d 84 83"; done
run_program 1 '[ "$(sent_codes)" = "$expected " ]'

[ "$(config_value "$live" common curProfile)" = 3 ] || fail "current profile not taken from the mouse"
want=$(for i in $(seq 0 127); do printf '%d, ' $(((i * 3) % 256)); done | sed 's/, $//')
[ "$(config_value "$live" profile_fw 2)" = "$want" ] || fail "profile_fw/2 is not the mouse's image"
other4=$(config_value "$live" other_fw 4)
[ "${other4:0:13}" = "5, 8, 0, 0, 0" ] || fail "other_fw/4 starts '${other4:0:13}'"
other0=$(config_value "$live" other_fw 0)
[ "$(echo "$other0" | cut -d, -f3 | tr -d ' ')" = 1 ] || fail "lighting type missing from other_fw/0"
[ "$(echo "$other4" | tr ',' '\n' | wc -l)" = 128 ] || fail "other_fw/4 is not 128 entries"

# Refresh time from the wire: the first 82H to the last answer plus its 30 ms pause.
refresh_ms=$(awk '$3 == "command" && $4 == "feature" {
        if ($2 == "out" && substr($5, 3, 2) == "82") first = $1
        if ($2 == "in") last = $1 }
    END { printf "%d", (last - first) / 1000 + 30 }' "$wirelog")

# Second run, mouse unplugged: the file is loaded and nothing reaches the mouse.
run_program 0 'true'
[ ! -s "$wirelog" ] || fail "reports reached the unplugged mouse: $(head -n3 "$wirelog")"
[ "$(config_value "$live" profile_fw 2)" = "$want" ] || fail "the unplugged start changed profile_fw/2"
[ "$(config_value "$live" common curProfile)" = 3 ] || fail "the unplugged start lost the current profile"

echo "e2e_store: 27 commands in order, file from the mouse, refresh ${refresh_ms} ms on the wire" \
    "(780 ms of pauses); unplugged start silent"
