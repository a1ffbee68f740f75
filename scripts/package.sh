#!/usr/bin/env bash
# Builds the Debian package build-package/z4config_<version>_<arch>.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" "$root/scripts/packages.txt"
# A compiler cache, when there is one, makes a rebuild (and the package CI makes) quick.
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$root
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$root/build-package" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    "${launcher[@]}"
# Everything the package installs: the window, z4ctl and their data.
cmake --build "$root/build-package"
(cd "$root/build-package" && cpack -G DEB)
