#!/usr/bin/env bash
# The real program, started from another working directory: its window, a second start that
# brings the first window forward, and a clean stop on SIGTERM.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"
# Minimising and activating are a window manager's work.
openbox --sm-disable >/dev/null 2>&1 &
wait_until 10 "window manager" xprop -root _NET_SUPPORTING_WM_CHECK

expected_title=$(config_value "$prog/modules/setting/apConfig.bin" common name)
cd "$elsewhere"
"$prog/z4config" &
pid=$!
win=$(window_of "$pid" 30) || fail "no window within 30 s"

geometry=$(xdotool getwindowgeometry "$win" | awk '/Geometry/ { print $2 }')
[ "$geometry" = "1000x600" ] || fail "window is $geometry, expected 1000x600"
title=$(xdotool getwindowname "$win")
[ "$title" = "$expected_title" ] || fail "title '$title', expected '$expected_title'"

hidden() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
in_front() { ! hidden && [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]; }
xdotool windowminimize "$win"
wait_until 5 "minimised window" hidden
status=0
timeout 20 "$prog/z4config" || status=$?
[ "$status" = 0 ] || fail "second instance exited with $status, expected 0"
wait_until 5 "first window in front after the second start" in_front
windows=$(xdotool search --onlyvisible --name "^${expected_title}\$" | wc -l)
[ "$windows" = 1 ] || fail "$windows windows after the second start, expected 1"

kill -TERM "$pid"
wait_exit "$pid" 5
[ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM, expected 0"
echo "e2e_startup: window ${geometry} '${title}', second start brought it forward, SIGTERM clean"
