#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch folder, checks that
# everything sits where a desktop looks for it, starts the unpacked program
# under Xvfb until the calculator window shows, and asks apt whether it would
# install the package.
# usage: debian_package.sh build-folder
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
source "$build/identity.sh"
scratch=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$scratch"' EXIT
pid=
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/varnock_"$VARNOCK_VERSION"_*.deb) || fail "no package varnock_${VARNOCK_VERSION}_*.deb"
[ "$(dpkg-deb -f "$deb" Package)" = varnock ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$VARNOCK_VERSION" ] || fail "package version"
# As Debian's own checker reads a package: not one error or warning.
lintian --fail-on error,warning --no-tag-display-limit "$deb" || fail "lintian found errors or warnings in the package"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libcups2 libc6; do
  grep -q "$library" <<<"$depends" || fail "no computed dependency on $library"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/tovel \
            usr/share/applications/com.holvane.varnock.desktop \
            usr/share/icons/hicolor/32x32/apps/com.holvane.varnock.png \
            usr/share/icons/hicolor/scalable/apps/com.holvane.varnock.svg \
            usr/share/metainfo/com.holvane.varnock.metainfo.xml \
            usr/share/doc/varnock/copyright \
            usr/share/man/man1/tovel.1.gz; do
  [ -f "$root/$file" ] || fail "$file is not in the package"
done
[ -x "$root/usr/bin/tovel" ] || fail "tovel is not executable"
# Not piped into grep -q: an early grep would kill readelf, and pipefail would pass the check.
sections=$(readelf -S "$root/usr/bin/tovel")
[[ $sections != *.debug_* ]] || fail "tovel carries debug information"
grep -q 'LGPL-3' "$root/usr/share/doc/varnock/copyright" || fail "the copyright file lacks Qt's licence notice"

# The unpacked program starts and reaches the calculator window.
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c "
  source '$here/../e2e/drive.sh'
  '$root/usr/bin/tovel' & pid=\$!
  wait_window 15 --name '^$VARNOCK_CAPTION\$' >/dev/null || { kill \$pid; exit 1; }
  kill \$pid
" || fail "the unpacked program did not show its calculator window"

apt-get install -s "$deb" >/dev/null || fail "apt would not install $deb"
echo "debian package: $(basename "$deb") checked"
