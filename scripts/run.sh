#!/usr/bin/env bash
# Builds the program and starts it from its build folder (a complete program folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" "$root/scripts/packages.txt" "$root/scripts/packages-run.txt"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$root/build" --target z4config
exec "$root/build/bin/z4config" "$@"
