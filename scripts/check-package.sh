#!/usr/bin/env bash
# Checks the desktop entry and the AppStream metadata, then packs the given build folder
# (default build-test) as a Debian package and lets lintian judge it: errors fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-test}" && pwd)
desktop-file-validate "$root/packaging/io.github.z4config.desktop"
# The metadata is made from a template by the configure step (its modalias list comes from the
# device catalogue).
appstreamcli validate --no-net "$build/packaging/io.github.z4config.metainfo.xml"
rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
deb=$(ls "$build"/package/z4config_*.deb)
lintian --fail-on error "$deb"
# The command line comes with its manual page and completion.
# One listing: grep -q stopping early would kill dpkg-deb with a broken pipe under pipefail.
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/z4ctl ./usr/share/man/man1/z4ctl.1.gz ./usr/share/bash-completion/completions/z4ctl \
    ./usr/bin/z4switch ./usr/share/man/man1/z4switch.1.gz ./usr/lib/systemd/user/z4switch.service; do
    grep -q " $f\$" <<<"$contents" || { echo "package lacks $f" >&2; exit 1; }
done
echo "package: $(basename "$deb") passes lintian"
