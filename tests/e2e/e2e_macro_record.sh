#!/usr/bin/env bash
# Recording a macro from the keyboard in the real program: open the macro page, select a macro,
# press record, type Shift+A, press stop; the macro file then holds the four key transitions in
# the order the keys moved. Argument: program folder.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"

library=$prog/modules/macro/1
macro="$library/Macro. 001.bin"
mkdir -p "$library"
printf '[config]\nindex=-1\ntotal=0\nrepeat=1\n' >"$macro"
# Animation off, so the clicks below never race a slide.
sed -i 's/^3=.*/3=1/' "$prog/modules/setting/apConfig.bin"

# Window coordinates of the controls: function menu entry "MACRO", the first macro row,
# record and stop (the page area starts at 160, 56).
macro_entry="78 264"
first_row="290 126"
record="670 126"
stop="710 126"

"$prog/z4config" &
pid=$!
win=$(window_of "$pid" 30) || fail "no window within 30 s"

# The window's picture: drawn (more than a few colours) and unchanged for a second means the
# start-up animation is over and the menus take clicks.
picture() {
    import -window "$win" rgb:- 2>/dev/null | md5sum
}
settled() {
    local before
    [ "$(import -window "$win" png:- 2>/dev/null | convert - -format '%k' info:)" -gt 16 ] || return 1
    before=$(picture)
    sleep 1
    [ "$(picture)" = "$before" ]
}
if command -v import >/dev/null && command -v convert >/dev/null; then
    wait_until 30 "settled window" settled
else
    sleep 3 # without ImageMagick to watch the picture
fi


line() {
    config_value "$macro" macro "$1" | sed 's/^"\(.*\)"$/\1/'
}

click_at "$macro_entry"
click_at "$first_row"
click_at "$record"
xdotool keydown Shift_L
xdotool key a
xdotool keyup Shift_L
sleep 0.5
click_at "$stop"

wait_until 5 "four saved lines" [ "$(config_value "$macro" config total)" = 4 ]
got=$(for i in 0 1 2 3; do printf '%s|' "$(line $i)"; done)
want="L Shift    [Down]|A    [Down]|A      [Up]|L Shift      [Up]|"
[ "$got" = "$want" ] || fail "macro lines '$got', expected '$want'"

kill -TERM "$pid"
wait_exit "$pid" 5
[ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM"
echo "e2e_macro_record: Shift+A recorded as four lines in order"
