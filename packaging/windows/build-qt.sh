#!/usr/bin/env bash
# Builds Qt for Windows (x86_64, mingw-w64) from Debian's own source package
# of the Qt that the Linux build uses, with only what the program needs, and
# keeps it in a cache folder named by Qt version and compiler: a run that
# finds it there builds nothing. Prints the folder.
# usage: build-qt.sh      (VARNOCK_CACHE changes the cache, default ~/.cache/varnock)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpversion)
prefix=${VARNOCK_CACHE:-$HOME/.cache/varnock}/qt-${version%%+*}-mingw-w64-posix-gcc$compiler
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi

work=$(mktemp -d /tmp/varnock-qt.XXXXXX)
trap 'rm -rf "$work"' EXIT
started=$SECONDS
# The source of exactly the installed version, with Debian's patches applied.
(cd "$work" && apt-get source -qq "qt6-base=$version" >&2)
source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
# Debian's repack drops src/3rdparty/wintab, hence no tablet events.
cmake -S "$source" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=ON \
  -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_sql_sqlite=OFF >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
echo "built in $((SECONDS - started)) s" > "$prefix/.complete"
echo "$prefix"
