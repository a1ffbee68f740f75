#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build folder and runs each briefly.
# FUZZ_SECONDS sets the time per target (default 20).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${FUZZ_SECONDS:-20}

echo "== libFuzzer targets (macro encoder, macro files)"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" -DZ4_SANITIZE=address,undefined -DZ4_FUZZ=ON
cmake --build "$build" -j "$(nproc)" --target fuzz_macroincode fuzz_macrofile

for target in macroincode macrofile; do
    echo "== fuzz_$target (${seconds} s)"
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    ASAN_OPTIONS=detect_leaks=0 "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
        -max_len=4096 -print_final_stats=1 "$corpus" "$root/tests/fuzz/corpus/$target"
done
