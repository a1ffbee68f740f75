#!/usr/bin/env bash
# z4ctl's figures, for a person to compare (not a test): start-up of `--version` and `list`
# without a mouse, and `show` on the simulated mouse against the pauses the protocol requires
# (30 ms after each command; `show` writes no blocks, so no 10 ms block pauses). Median and
# fastest of N runs, each in a fresh copy of the program folder.
#
#   scripts/bench-ctl.sh [--runs 20] build-rel/bin build-rel/lib/libz4sim_preload.so
set -euo pipefail

runs=20
[ "${1:-}" = --runs ] && { runs=$2; shift 2; }
[ $# -eq 2 ] || { echo "usage: $0 [--runs N] program-folder simulated-mouse-library" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$1" "$work/prog"
preload=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run Z4_RUNTIME_FOLDER=$work/run

# time_ms <command...>: wall time of one run in ms (fractional), output discarded.
time_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.1f\n", ns / 1e6 }'
}

# figure <label> <pause ms per run, 0 for none> <command...>
figure() {
    local label=$1 pauses=$2
    shift 2
    for _ in $(seq "$runs"); do time_ms "$@"; done | sort -n | awk -v label="$label" -v p="$pauses" '
        { t[NR] = $1 }
        END {
            median = t[int((NR + 1) / 2)]
            printf "%-34s median %7.1f ms  fastest %7.1f ms", label, median, t[1]
            if (p > 0) printf "  pauses %4d ms  ratio %.2f", p, median / p
            printf "\n"
        }'
}

# Exchanges of one run of a command on the simulated mouse: its commands sent.
exchanges() {
    rm -f "$work/wire.log"
    LD_PRELOAD=$preload Z4SIM_SAMPLE=1 Z4SIM_WIRELOG=$work/wire.log "$@" >/dev/null
    awk '$2 == "out" && $3 == "command" && $4 == "feature"' "$work/wire.log" | wc -l
}

ctl=$work/prog/z4ctl
figure "z4ctl --version" 0 "$ctl" --version
figure "z4ctl list (no mouse)" 0 "$ctl" list
for args in "show" "show 2" "--json show 2"; do
    # shellcheck disable=SC2086 # the words are meant to split
    n=$(exchanges "$ctl" $args)
    # shellcheck disable=SC2086
    figure "z4ctl $args ($n exchanges)" $((n * 30)) env LD_PRELOAD="$preload" Z4SIM_SAMPLE=1 "$ctl" $args
done
