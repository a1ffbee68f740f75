#!/usr/bin/env bash
# Every mouse of the device catalogue is named by the installed udev rule (so it opens without
# root) and by the installed AppStream modalias list.
# Arguments: the catalogue (DevInfo.ini), the build folder.
set -euo pipefail
catalogue=$1
build=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" >/dev/null
rule=$stage/lib/udev/rules.d/70-z4config.rules
meta=$stage/share/metainfo/io.github.z4config.metainfo.xml
ids=$(tr -d ' \t"\r' <"$catalogue" | awk -F= '$1 == "vid" { vid = $2 } $1 == "pid" { print vid, $2 }')
[ -n "$ids" ] || { echo "FAIL: no device in $catalogue"; exit 1; }
status=0
while read -r vid pid; do
    grep -qF "ATTRS{idVendor}==\"${vid,,}\", ATTRS{idProduct}==\"${pid,,}\", TAG+=\"uaccess\"" "$rule" ||
        { echo "FAIL: the udev rule does not cover $vid:$pid"; status=1; }
    grep -qF "<modalias>usb:v${vid^^}p${pid^^}d*</modalias>" "$meta" ||
        { echo "FAIL: the AppStream metadata does not name $vid:$pid"; status=1; }
done <<<"$ids"
[ $status = 0 ] && echo "installed_catalogue: rule and metadata cover $(wc -l <<<"$ids") devices"
exit $status
