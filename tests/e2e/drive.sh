# Drives the real tovel under an X server with xdotool: real clicks and keys.
# Sourced by the end-to-end test and the screenshot script.

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

# Clicks at a point of the calculator window's client area (pixels, below
# the menu bar, whose height is what the window has beyond its 376 pixels).
click_client() {
  local window=$1 x=$2 y=$3
  geometry "$window"
  local menu=$((HEIGHT - 376))
  xdotool mousemove --sync $((X + x)) $((Y + menu + y)) click 1
  sleep 0.2
}

# Centres of the controls the tests use, in client pixels.
OPTION2_AT="34 68"
ACTUAL_AT="180 193"
CALCULATE_AT="144 232"
RESULT_GAL="128x19+136+296"   # txtELRgal as WIDTHxHEIGHT+LEFT+TOP of the client, widened

choose_option2_type_45_calculate() {
  local window=$1
  xdotool windowfocus --sync "$window"
  click_client "$window" $OPTION2_AT
  click_client "$window" $ACTUAL_AT
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 50 45
  click_client "$window" $CALCULATE_AT
}
