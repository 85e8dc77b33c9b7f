#!/usr/bin/env bash
# Cross-builds the Windows program from the same sources: Qt for Windows
# (built once and cached by build-qt.sh), then tovel.exe, its installer
# (varnock-<version>-win64.exe) and a portable zip, all in build-windows/.
# usage: build-windows.sh [build folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build-windows}
qt=$("$here/build-qt.sh")
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_TESTING=OFF -DVARNOCK_WERROR=ON
cmake --build "$build"
(cd "$build" && cpack -G "NSIS;ZIP" >/dev/null)
ls "$build"/varnock-*-win64.exe "$build"/varnock-*-win64.zip
