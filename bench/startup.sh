#!/usr/bin/env bash
# Start-up time (launch to first window mapped) and peak memory (VmHWM once
# the main window shows) of tovel against the minimal Qt Widgets program, in
# ROUNDS interleaved rounds (default 5) of RUNS starts each (default 7): each
# round measures both programs, its ratio is of its own medians, and the
# median ratio is kept, so that a machine busier in one part of the run
# weighs on both programs alike. Single rounds' start-up ratios range from
# 0.8 to 1.3 on a quiet machine; the median of three rounds still moved by
# 0.07 from run to run, that of five by 0.01.
# With --wine, both are the Windows programs: tovel.exe from the unpacked zip
# and minimal_qt.exe, cross-built the same way, beside it, each started under
# Wine in a prefix of their own with a fresh wineserver for every start.
# usage: bench/startup.sh [build folder]
#        bench/startup.sh --wine [Windows build folder] [Linux build folder]
set -euo pipefail
if [ -z "${VARNOCK_IN_XVFB:-}" ]; then
  VARNOCK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi
wine=
if [ "${1:-}" = --wine ]; then
  wine=$(command -v wine || echo /usr/lib/wine/wine64)
  shift
  windows_build=$(cd "${1:-build-windows}" && pwd)
  build=$(cd "${2:-build}" && pwd)
else
  build=$(cd "${1:-build}" && pwd)
fi
runs=${RUNS:-7}
rounds=${ROUNDS:-5}
source "$build/identity.sh"
tovel=("$build/tovel") minimal=("$build/bench/minimal_qt")
if [ -n "$wine" ]; then
  scratch=$(mktemp -d)
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
  export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  "$wine" wineboot --init >/dev/null 2>&1
  wineserver -w
  unzip -q "$windows_build"/varnock-*-win64.zip -d "$scratch"
  folder=$(echo "$scratch"/varnock-*-win64)
  cp "$windows_build/bench/minimal_qt.exe" "$folder/"
  tovel=("$wine" "$folder/tovel.exe") minimal=("$wine" "$folder/minimal_qt.exe")
fi
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
measure() {  # name of the window to wait for, program: "median-ms median-kb"
  local times=() peaks=()
  for _ in $(seq "$runs"); do
    [ -z "$wine" ] || { wineserver -k 2>/dev/null || true; wineserver -w; }
    local out
    out=$("$build/bench/mapwatch" "$@")
    times+=("$(awk '/first-window-ms/ { print $2 }' <<<"$out")")
    peaks+=("$(awk '/peak-kb/ { print $2 }' <<<"$out")")
  done
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${peaks[@]}" | median)"
}
echo "| round | tovel ms | minimal ms | ratio | tovel kB | minimal kB | ratio |"
echo "|---|---|---|---|---|---|---|"
time_ratios=() memory_ratios=()
for round in $(seq "$rounds"); do
  read -r tovel_ms tovel_kb < <(measure "$VARNOCK_CAPTION" "${tovel[@]}")
  read -r minimal_ms minimal_kb < <(measure "Minimal" "${minimal[@]}")
  time_ratios+=("$(awk -v a="$tovel_ms" -v b="$minimal_ms" 'BEGIN { printf "%.3f", a / b }')")
  memory_ratios+=("$(awk -v a="$tovel_kb" -v b="$minimal_kb" 'BEGIN { printf "%.3f", a / b }')")
  echo "| $round | $tovel_ms | $minimal_ms | ${time_ratios[-1]} | $tovel_kb | $minimal_kb | ${memory_ratios[-1]} |"
done
echo
echo "median ratio, start-up: $(printf '%s\n' "${time_ratios[@]}" | median) (goal: at most 1.05)"
echo "median ratio, peak memory: $(printf '%s\n' "${memory_ratios[@]}" | median) (goal: at most 1.10)"
