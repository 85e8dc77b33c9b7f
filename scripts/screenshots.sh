#!/usr/bin/env bash
# Pictures of the three windows for the README: the splash window, the
# calculator after a calculation (0.2 gal/hr at 30 psi, 45 psi), and About;
# and the page saved as a PDF with record details, as a picture.
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

# The save dialog opens in the documents folder of a home of its own.
home=$(mktemp -d)
mkdir "$home/Documents"
HOME=$home "$tovel" & pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$home"' EXIT
splash=$(wait_window 10 --pid $pid)
sleep 0.5
import -window "$splash" "$out/splash.png"
calculator=$(wait_window 10 --name "^$VARNOCK_CAPTION\$")
sleep 0.3
if [ "$scale" = 1 ]; then
  choose_option2_type_45_calculate "$calculator"
fi
import -window "$calculator" "$out/calculator.png"
if [ "$scale" = 1 ]; then
  xdotool windowfocus --sync "$calculator" key --clearmodifiers alt+f
  sleep 0.3
  xdotool key d
  wait_window 5 --name "^Record Details\$" >/dev/null
  xdotool type --delay 20 "North yard"
  xdotool key Tab && xdotool type --delay 20 "Tank 3, line B"
  xdotool key Tab && xdotool type --delay 20 "J. Doe"
  xdotool key Return
  sleep 0.3
  xdotool windowfocus --sync "$calculator" key --clearmodifiers alt+f
  sleep 0.3
  xdotool key a
  wait_window 5 --name "^Save as PDF\$" >/dev/null
  sleep 0.5
  xdotool key Return
  for _ in $(seq 50); do ls "$home"/Documents/*.pdf >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 0.5
  pdftoppm -r 60 -png -singlefile "$home"/Documents/*.pdf "$out/page"
fi
xdotool windowfocus --sync "$calculator"
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key a
about=$(wait_window 5 --name "^About $VARNOCK_TITLE\$")
sleep 0.3
import -window "$about" "$out/about.png"
echo "screenshots in $out"
