#!/usr/bin/env bash
# Start-up figures of one or more built program folders, measured the same way, runs interleaved:
#   start -> window first exposed, start -> first scene frame on screen, start -> end of the
#   scene's initUI, peak resident memory, and CPU used while idle 8 to 10 s after start (once
#   the start-up animation is over).
# Each run uses a fresh copy of the folder, a fresh home folder and no mouse (or the simulated
# one with --sim), on a virtual X server of its own unless DISPLAY is already set.
#
#   scripts/measure-startup.sh [--runs 10] [--sim] build/bin [other/bin ...]
#
# The program writes its milestones when the "z4.startup" logging category is enabled.
set -euo pipefail

runs=10
preload=""
folders=()
here=$(cd "$(dirname "$0")/.." && pwd)
while [ $# -gt 0 ]; do
    case $1 in
        --runs) runs=$2; shift 2 ;;
        --sim) preload=$here/build/lib/libz4sim_preload.so; shift ;;
        --sim=*) preload=${1#--sim=}; shift ;;
        *) folders+=("$(cd "$1" && pwd)"); shift ;;
    esac
done
[ ${#folders[@]} -gt 0 ] || { echo "usage: $0 [--runs N] [--sim[=lib]] program-folder..." >&2; exit 2; }

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --runs "$runs" ${preload:+--sim="$preload"} "${folders[@]}"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

now_us() { echo $(( $(date +%s%N) / 1000 )); }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
milestone() { awk -v w="$2" '$1 == "z4.startup:" && $2 == w { print $3; exit }' "$1"; }

# one_run <folder> <result file>
one_run() {
    local sandbox=$work/run prog log start pid deadline t0 t1 c0 c1
    rm -rf "$sandbox"
    mkdir -p -m 700 "$sandbox/home" "$sandbox/tmp"
    cp -r "$1" "$sandbox/prog"
    prog=$sandbox/prog
    log=$sandbox/log
    start=$(now_us)
    HOME=$sandbox/home TMPDIR=$sandbox/tmp XDG_RUNTIME_DIR=$sandbox/tmp Z4_RUNTIME_FOLDER=$sandbox/tmp \
        QT_LOGGING_RULES="z4.startup.info=true" LD_PRELOAD=$preload \
        "$prog/z4config" 2>"$log" &
    pid=$!
    deadline=$((SECONDS + 20))
    until grep -qs "^z4.startup: initUI" "$log" && grep -qs "^z4.startup: frame" "$log"; do
        [ $SECONDS -lt $deadline ] || { echo "no start-up milestones from $1" >&2; cat "$log" >&2; return 1; }
        sleep 0.05
    done
    t0=$(( start / 1000 + 8000 )); t1=$(( t0 + 2000 ))
    while [ $(( $(now_us) / 1000 )) -lt $t0 ]; do sleep 0.05; done
    c0=$(cpu_ticks $pid)
    while [ $(( $(now_us) / 1000 )) -lt $t1 ]; do sleep 0.05; done
    c1=$(cpu_ticks $pid)
    local hwm
    hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    kill -TERM $pid
    wait $pid || true
    printf '%d %d %d %d %d\n' \
        $(( ($(milestone "$log" exposed) - start) / 1000 )) \
        $(( ($(milestone "$log" frame) - start) / 1000 )) \
        $(( ($(milestone "$log" initUI) - start) / 1000 )) \
        $(( hwm / 1024 )) \
        $(( (c1 - c0) * 1000 / $(getconf CLK_TCK) )) >>"$2"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

for i in $(seq "$runs"); do
    for n in "${!folders[@]}"; do
        one_run "${folders[$n]}" "$work/result$n"
    done
done

printf '%-40s %9s %9s %9s %9s %12s\n' "program folder (median of $runs)" "exposed" "frame" "initUI" "RSS MB" "idle CPU ms"
for n in "${!folders[@]}"; do
    r=$work/result$n
    printf '%-40s %6s ms %6s ms %6s ms %9s %12s\n' "$(printf %s "${folders[$n]}" | tail -c 40)" \
        "$(cut -d' ' -f1 "$r" | median)" "$(cut -d' ' -f2 "$r" | median)" \
        "$(cut -d' ' -f3 "$r" | median)" "$(cut -d' ' -f4 "$r" | median)" \
        "$(cut -d' ' -f5 "$r" | median)"
done
