#!/usr/bin/env bash
# Syntax-checks the Windows-only sources of the system layer with the mingw-w64 cross
# compiler, so they keep compiling although they are built only on Windows. The Qt-free
# files are checked alone; the copy-data filter against the Qt headers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cxx=x86_64-w64-mingw32-g++
flags=(-std=c++17 -Wall -Wextra -Werror -fsyntax-only -I"$root")

echo "== Windows sources (mingw-w64 syntax check)"
for file in system/pointerbackend_win.cpp system/inputhook_win.cpp system/inputhook.cpp; do
    "$cxx" "${flags[@]}" "$root/$file"
    echo "ok $file"
done

qt=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
"$cxx" "${flags[@]}" -isystem "$qt" -isystem "$qt/QtCore" "$root/system/copydata_win.cpp"
echo "ok system/copydata_win.cpp"
