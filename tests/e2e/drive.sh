# Drives the real tovel under an X server with xdotool: real clicks and keys.
# Sourced by the end-to-end, Wine and package tests and the screenshot script.
# The places below follow the calculator's layout (docs/screenshots); a click
# that misses shows as results that never come.

# The calculator window's client area, WIDTH HEIGHT in pixels.
CLIENT_SIZE="280 376"
# Centres of the controls the tests click, and boxes around those they look
# at (WIDTHxHEIGHT+LEFT+TOP), in client pixels.
OPTION2_AT="34 68"
OPTION4_AT="31 120"
ACTUAL_AT="180 193"
CALCULATE_AT="144 232"
OPTION3_BOX="121x25+24+80"
RESULT_GAL_BOX="128x19+136+296"   # txtELRgal, widened to the right
RESULTS_BOX="57x51+136+296"       # both result boxes

# Waits (at most $2 seconds) for a visible window matching xdotool search args.
wait_window() {
  local deadline=$((SECONDS + $1))
  shift
  local id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.05
  done
  return 1
}

# Window geometry into X, Y, WIDTH, HEIGHT; the position from xwininfo, as
# xdotool counts a reparented window's frame offset twice.
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  read -r X Y < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { print x, $NF }')
}

# geometry, and MENU: the menu bar's height, what the calculator window has
# beyond its client area.
client_geometry() {
  geometry "$1"
  MENU=$((HEIGHT - ${CLIENT_SIZE#* }))
}

# Clicks at a point of the calculator window's client area.
click_client() {
  client_geometry "$1"
  xdotool mousemove --sync $((X + $2)) $((Y + MENU + $3)) click 1
  sleep 0.2
}

# A box of the client area as a crop of the whole screen, for import -crop.
on_screen() {
  client_geometry "$1"
  local offsets=${2#*+}
  echo "${2%%+*}+$((X + ${offsets%+*}))+$((Y + MENU + ${offsets#*+}))"
}

choose_option2_type_45_calculate() {
  local window=$1
  xdotool windowfocus --sync "$window"
  click_client "$window" $OPTION2_AT
  click_client "$window" $ACTUAL_AT
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 50 45
  click_client "$window" $CALCULATE_AT
}
