#!/usr/bin/env bash
# Installs what the project needs (Debian 12), builds, and then either starts
# the program or runs the whole test suite. Safe to run again and again.
#
#   ./build.sh run    install, build, start tovel
#   ./build.sh test   install, build, run every test (also under ASan and UBSan),
#                     then each fuzz target for a minute, then build the Windows
#                     program and installer and test them under Wine
#   ./build.sh test linux   the developer's quick loop: the Linux build's tests
#                     alone (no sanitizers, fuzzing or Windows program)
set -euo pipefail
cd "$(dirname "$0")"

# Building and running the program.
PACKAGES=(
  cmake ninja-build g++
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins librsvg2-bin libgl-dev libcups2-dev
  fonts-liberation2 fontconfig
)
# The tests: frameworks, an X server with a window manager and tools to drive
# and read it, a CUPS scheduler with a PDF printer, the packages' checkers,
# the sanitizer and fuzzing compiler, the code's checkers, and a locale with
# a decimal comma.
TEST_PACKAGES=(
  locales libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
  xvfb xauth xdotool x11-utils imagemagick openbox
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev lintian
  clang libclang-rt-14-dev clang-format clang-tidy iwyu
)
# The Windows program: cross compiler, Qt's source, installer maker, and Wine
# with OCR to run and read it in the tests.
WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix nsis wine wine64 tesseract-ocr unzip
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_dependencies() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}

# The locale tests need a locale with a decimal comma.
add_test_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  fi
}

# Qt for Windows is built from Debian's source package of the installed Qt,
# fetched from the same places as the machine's binary packages: each entry
# of its configured sources is repeated for source packages.
enable_source_packages() {
  grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/ && return 0
  local sources lists
  sources=$(find /etc/apt/sources.list.d -name '*.sources' 2>/dev/null || true)
  lists=$(find /etc/apt/sources.list /etc/apt/sources.list.d -name '*.list' -o -name sources.list 2>/dev/null || true)
  if [ -n "$sources" ]; then
    # shellcheck disable=SC2086  # file names from find, without blanks
    awk 'BEGIN { RS = ""; ORS = "\n\n" } /Types:[ \t]*deb/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' $sources |
      as_root tee /etc/apt/sources.list.d/varnock-deb-src.sources >/dev/null
  fi
  if [ -n "$lists" ]; then
    # shellcheck disable=SC2086
    sed -n 's/^deb\([[:space:]]\)/deb-src\1/p' $lists | as_root tee /etc/apt/sources.list.d/varnock-deb-src.list >/dev/null
  fi
  as_root apt-get update -qq
}

build() {
  local folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja "$@"
  cmake --build "$folder" ${TARGET:+--target "$TARGET"}
}

case "${1:-}" in
  run)
    install_dependencies "${PACKAGES[@]}"
    TARGET=tovel build build -DBUILD_TESTING=OFF  # the program alone: "test" builds the tests and benchmarks
    exec ./build/tovel
    ;;
  test)
    if [ "${2:-}" = linux ]; then
      install_dependencies "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
      add_test_locale
      build build -DBUILD_TESTING=ON -DVARNOCK_WERROR=ON
      exec ctest --test-dir build --output-on-failure -j "$(nproc)"
    fi
    install_dependencies "${PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
    add_test_locale
    enable_source_packages
    build build -DBUILD_TESTING=ON -DVARNOCK_WERROR=ON
    ctest --test-dir build --output-on-failure
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVARNOCK_SANITIZE=ON -DVARNOCK_WERROR=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --test-dir build-sanitize --output-on-failure
    CC=clang CXX=clang++ build build-fuzz -DVARNOCK_FUZZ=ON -DVARNOCK_WERROR=ON
    ctest --test-dir build-fuzz --output-on-failure
    # The Windows program (Qt for Windows is built on the first run only),
    # installed and used under Wine.
    packaging/windows/build-windows.sh build-windows
    tests/print/with_cups_pdf.sh xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
      tests/windows/under_wine.sh build-windows/varnock-*-win64.exe
    ;;
  *)
    echo "usage: $0 run|test [linux]" >&2
    exit 2
    ;;
esac
