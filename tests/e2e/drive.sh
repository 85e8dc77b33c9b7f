# Drives the real tovel under an X server with xdotool: real clicks and keys.
# Sourced by the end-to-end, Wine and package tests and the screenshot script,
# which source the build's controls.sh too: the calculator's client size
# (CLIENT_SIZE), the centres of the controls they click (OPTION2_AT, ...) and
# boxes around those they read (RESULTS_BOX, WIDTHxHEIGHT+LEFT+TOP), in
# client pixels, generated from the calculator's control table.

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
