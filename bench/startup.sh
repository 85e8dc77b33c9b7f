#!/usr/bin/env bash
# Start-up time (launch to first window mapped) and peak memory (VmHWM once
# the main window shows) of tovel against the minimal Qt Widgets program,
# medians of RUNS runs (default 15) under Xvfb.
# usage: bench/startup.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${RUNS:-15}
source "$build/identity.sh"
if [ -z "${VARNOCK_IN_XVFB:-}" ]; then
  VARNOCK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$build"
fi
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
measure() {  # name of the window to wait for, program
  local times=() peaks=()
  for _ in $(seq "$runs"); do
    local out
    out=$("$build/bench/mapwatch" "$@")
    times+=("$(awk '/first-window-ms/ { print $2 }' <<<"$out")")
    peaks+=("$(awk '/peak-kb/ { print $2 }' <<<"$out")")
  done
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${peaks[@]}" | median)"
}
read -r tovel_ms tovel_kb < <(measure "$VARNOCK_CAPTION" "$build/tovel")
read -r minimal_ms minimal_kb < <(measure "Minimal" "$build/bench/minimal_qt")
awk -v tm="$tovel_ms" -v tk="$tovel_kb" -v mm="$minimal_ms" -v mk="$minimal_kb" -v runs="$runs" 'BEGIN {
  printf "| | tovel | minimal Qt program | ratio | goal |\n|---|---|---|---|---|\n"
  printf "| start-up to first window (ms, median of %d) | %.1f | %.1f | %.2f | at most 1.2 |\n", runs, tm, mm, tm / mm
  printf "| peak memory VmHWM (kB, median of %d) | %d | %d | %.2f | at most 1.3 |\n", runs, tk, mk, tk / mk
}'
