#!/usr/bin/env bash
# Builds everything and runs all tests: a normal build, then the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the listener tests with
# ThreadSanitizer, then the fuzz targets. Window, input and end-to-end tests each start a
# virtual X server of their own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)
# A compiler cache makes repeated runs on the same machine quick; paths below the source
# folder are hashed relative to it, so another clone of the project shares the cache (the
# build folder's own path, which debug information names, is left out of the hash too).
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=true
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

run_ctest() { # build-folder [ctest args...]
    local dir=$1
    shift
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" "$@"
}

"$root/scripts/check-windows.sh"
echo "== normal build"
cmake -S "$root" -B "$root/build-test" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZ4_WERROR=ON "${launcher[@]}"
cmake --build "$root/build-test" -j "$jobs"
run_ctest "$root/build-test"
# KWin and GNOME Shell are large: their tests run where someone installed them.
if command -v kwin_wayland >/dev/null || command -v gnome-shell >/dev/null; then
    "$root/scripts/test-desktops.sh" "$root/build-test"
fi

echo "== the README's package command on a clean clone of the last commit"
clean=$root/build-clean
rm -rf "$clean"
git clone -q --no-hardlinks "$root" "$clean"
git -C "$clean" checkout -q "$(git -C "$root" rev-parse HEAD)"
"$clean/scripts/package.sh"
"$root/scripts/check-package.sh" "$clean/build-package"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZ4_SANITIZE=address,undefined "${launcher[@]}"
cmake --build "$root/build-asan" -j "$jobs"
# Leaks are reported; only those inside third-party libraries are suppressed (see the file).
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1 run_ctest "$root/build-asan"
echo "== soak: a minute of random use of the sanitizer build, with fresh random choices"
"$root/scripts/soak.sh" --seconds 60

if [ -f "$root/tests/device/CMakeLists.txt" ]; then
    echo "== ThreadSanitizer (listener)"
    cmake -S "$root" -B "$root/build-tsan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZ4_SANITIZE=thread "${launcher[@]}"
    cmake --build "$root/build-tsan" -j "$jobs" --target tst_ms_ht66fb560
    TSAN_OPTIONS=halt_on_error=1 run_ctest "$root/build-tsan" -L listener
fi
"$root/scripts/fuzz.sh"
