#!/usr/bin/env bash
# Pictures of the three windows for the README: the splash window, the
# calculator after a calculation (0.2 gal/hr at 30 psi, 45 psi), and About.
# usage: scripts/screenshots.sh [path/to/tovel] [output folder]
# Starts its own X server; needs xvfb, xdotool and imagemagick.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tovel=${1:-$root/build/tovel}
out=${2:-$root/docs/screenshots}
scale=${QT_SCALE_FACTOR:-1}
mkdir -p "$out"

if [ -z "${VARNOCK_IN_XVFB:-}" ]; then
  VARNOCK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$tovel" "$out"
fi
source "$root/tests/e2e/drive.sh"
source "$(dirname "$tovel")/identity.sh"

"$tovel" & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
splash=$(wait_window 10 --pid $pid)
sleep 0.5
import -window "$splash" "$out/splash.png"
calculator=$(wait_window 10 --name "^$VARNOCK_CAPTION\$")
sleep 0.3
if [ "$scale" = 1 ]; then
  choose_option2_type_45_calculate "$calculator"
fi
import -window "$calculator" "$out/calculator.png"
xdotool windowfocus --sync "$calculator"
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key a
about=$(wait_window 5 --name "^About $VARNOCK_TITLE\$")
sleep 0.3
import -window "$about" "$out/about.png"
echo "screenshots in $out"
