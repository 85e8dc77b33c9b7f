#!/usr/bin/env bash
# Remakes, on purpose, the pictures the README shows and the window tests
# compare with: each window and menu rendered at 96 DPI by the test that
# checks them (the calculator after 0.2 gal/hr at 30 psi, 45 psi and
# Calculate), and the page the real program saves as a PDF with record
# details, typed under an X server of its own.
# usage: scripts/screenshots.sh [path/to/tovel] [output folder]
# Needs xvfb, xdotool, poppler-utils and the build's tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tovel=${1:-$root/build/tovel}
out=${2:-$root/docs/screenshots}
mkdir -p "$out"

if [ -z "${VARNOCK_IN_XVFB:-}" ]; then
  VARNOCK_REMAKE_PICTURES=$out QT_QPA_PLATFORM=offscreen "$(dirname "$tovel")/tests/ui_tests" \
    --gtest_filter=Windows.EachWindowAndMenuLooksAsItsPicture >/dev/null
  VARNOCK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$tovel" "$out"
fi
source "$root/tests/e2e/drive.sh"
source "$(dirname "$tovel")/identity.sh"
source "$(dirname "$tovel")/controls.sh"

# The save dialog opens in the documents folder of a home of its own.
home=$(mktemp -d)
mkdir "$home/Documents"
HOME=$home "$tovel" & pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$home"' EXIT
calculator=$(wait_window 10 --name "^$VARNOCK_CAPTION\$")
sleep 0.3
choose_option2_type_45_calculate "$calculator"
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
echo "pictures in $out"
