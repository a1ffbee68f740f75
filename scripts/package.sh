#!/usr/bin/env bash
# Builds the Debian package build-package/z4config_<version>_<arch>.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" "$root/scripts/packages.txt"
cmake -S "$root" -B "$root/build-package" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$root/build-package" --target z4config
(cd "$root/build-package" && cpack -G DEB)
