#!/usr/bin/env bash
# The real program, started from another working directory: its window, the single-instance
# rule and a clean stop on SIGTERM.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"

expected_title=$(config_value "$prog/modules/setting/apConfig.bin" common name)
cd "$elsewhere"
"$prog/z4config" &
pid=$!
win=$(window_of "$pid" 30) || fail "no window within 30 s"

geometry=$(xdotool getwindowgeometry "$win" | awk '/Geometry/ { print $2 }')
[ "$geometry" = "1000x600" ] || fail "window is $geometry, expected 1000x600"
title=$(xdotool getwindowname "$win")
[ "$title" = "$expected_title" ] || fail "title '$title', expected '$expected_title'"

status=0
timeout 20 "$prog/z4config" || status=$?
[ "$status" = 1 ] || fail "second instance exited with $status, expected 1"
windows=$(xdotool search --onlyvisible --name "^${expected_title}\$" | wc -l)
[ "$windows" = 1 ] || fail "$windows windows after the second start, expected 1"

kill -TERM "$pid"
wait_exit "$pid" 5
[ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM, expected 0"
echo "e2e_startup: window ${geometry} '${title}', second instance 1, SIGTERM clean"
