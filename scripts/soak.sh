#!/usr/bin/env bash
# Random use of the real program on the simulated mouse for N seconds (default 60):
#
#   scripts/soak.sh [--seconds N] [--random N] [--replay FILE]
#
# Builds the program with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan (leak
# checks on), then starts it on its own virtual X server under a user id of the run's own (no
# account or process has it) with a throw-away home and data folder, the rest of the file system read-only, and drives it with
# real X input: clicks, double and right clicks, wheel turns, drags, keys, typed text, answers
# to its questions, and the mouse unplugged and plugged again at random moments, also in the
# middle of block writes. It fails when the program dies or does not answer SIGTERM with 0, a
# sanitizer reports, the event loop leaves a probe unanswered for 2 s, the mouse sees a
# malformed exchange, the profile file differs from what the mouse stored, or a profile or
# macro file does not parse with full-length lists. A failure prints its --random number, the
# last 50 events and the command that replays the run's event log. Needs root (or user namespaces).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" "$root/scripts/packages.txt" "$root/scripts/packages-run.txt"
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$root
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
build=$root/build-asan
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZ4_SANITIZE=address,undefined "${launcher[@]}"
fi
cmake --build "$build" -j "$(nproc)" --target z4config z4sim_preload
exec python3 "$root/scripts/soak.py" --program "$build/bin" --preload "$build/lib/libz4sim_preload.so" \
    --suppressions "$root/scripts/lsan.supp" "$@"
