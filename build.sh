#!/usr/bin/env bash
# Installs what the project needs (Debian 12), builds, and then either starts
# the program or runs the whole test suite. Safe to run again and again.
#
#   ./build.sh run    install, build, start tovel
#   ./build.sh test   install, build, run every test (also under ASan and UBSan),
#                     then each fuzz target for a minute
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  cmake ninja-build g++ locales
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins librsvg2-bin libgl-dev libcups2-dev
  fonts-liberation2 fontconfig
  libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
  xvfb xauth xdotool x11-utils imagemagick openbox
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev
  clang libclang-rt-14-dev
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_dependencies() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
  # The locale tests need a locale with a decimal comma.
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  fi
}

build() {
  local folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja "$@"
  cmake --build "$folder"
}

case "${1:-}" in
  run)
    install_dependencies
    build build
    exec ./build/tovel
    ;;
  test)
    install_dependencies
    build build -DVARNOCK_WERROR=ON
    ctest --test-dir build --output-on-failure
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVARNOCK_SANITIZE=ON -DVARNOCK_WERROR=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --test-dir build-sanitize --output-on-failure
    CC=clang CXX=clang++ build build-fuzz -DVARNOCK_FUZZ=ON -DVARNOCK_WERROR=ON
    ctest --test-dir build-fuzz --output-on-failure
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
