#!/usr/bin/env bash
# The real program, clicked like a person would: open the settings panel, choose the second
# language, apply; after a restart the texts are still in that language. The texts are compared
# as pixels of the bottom bar's two labels. Argument: program folder.
source "$(dirname "$0")/lib.sh"
make_sandbox "$1"
config=$prog/modules/setting/apConfig.bin
# Animations off (entry 3), so the frame is in place at once.
sed -i 's/^3=0$/3=1/' "$config"

# Window positions of the settings button, the language box and its second row, apply.
settings_button=(928 22)
language_box=(830 106)
second_language=(830 159)
apply_button=(902 512)

click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.6
}

# labels <file>: the bottom bar's labels as raw pixels, the pointer parked on an empty spot.
labels() {
    xdotool mousemove --window "$window" 500 20
    sleep 0.4
    import -silent -window "$window" -crop 300x40+350+558 -depth 8 "rgb:$1"
}

start_program() {
    "$prog/z4config" &
    pid=$!
    window=$(window_of "$pid" 30) || fail "no window within 30 s"
    # The bars and menus settle within a second with animations off.
    sleep 2
}

stop_program() {
    kill -TERM "$pid"
    wait_exit "$pid" 10
    [ "$exit_status" = 0 ] || fail "exit status $exit_status after SIGTERM"
}

cd "$elsewhere"
start_program
labels "$sandbox/english.rgb"
click "${settings_button[@]}"
click "${language_box[@]}"
click "${second_language[@]}"
click "${apply_button[@]}"
labels "$sandbox/chosen.rgb"
stop_program

[ "$(config_value "$config" common 4)" = 1 ] || fail "language position not saved (entry 4 is '$(config_value "$config" common 4)')"
cmp -s "$sandbox/english.rgb" "$sandbox/chosen.rgb" && fail "the labels did not change with the language"

start_program
labels "$sandbox/restarted.rgb"
stop_program
cmp -s "$sandbox/chosen.rgb" "$sandbox/restarted.rgb" || fail "after a restart the labels are not in the chosen language"
echo "PASS"
