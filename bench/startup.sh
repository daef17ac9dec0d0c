#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the program to a shown main window, and its peak resident memory with a
# 10,000-point TrackMaker track loaded. Runs under its own Xvfb.
#   bench/startup.sh [runs]      (after tools/test or tools/run has built build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${RUVEK_UNDER_XVFB:-}" ]; then
  RUVEK_UNDER_XVFB=1 exec xvfb-run -a -s "-noreset -screen 0 1280x1024x24" "$0" "$@"
fi
runs="${1:-20}"
program=build/default/src/ruvek

# Start-up: from the start of the process to the main window mapped on the screen.
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$program" 2>/dev/null &
  # xdotool's own --sync polls only twice a second: look every 2 ms instead.
  until xdotool search --onlyvisible --name '^Ruvek v' >/dev/null 2>&1; do sleep 0.002; done
  end=$(date +%s%N)
  kill $! 2>/dev/null || true
  wait $! 2>/dev/null || true
  times+=($(((end - start) / 1000000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to a shown main window over $runs runs: median ${sorted[$((runs / 2))]} ms," \
     "fastest ${sorted[0]} ms, slowest ${sorted[$((runs - 1))]} ms"

# Peak memory with a full track loaded through the open command.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
  printf 'Version , 212\r\n\r\nWGS 1984 (GPS) ,217, 6378137, 298.257223563, 0, 0, 0\r\n'
  printf 'USER GRID, 0, 0, 0, 0, 0\r\n\r\n'
  for ((i = 0; i < 10000; i++)); do
    printf 't,utm,30T,%d.%d,%d.%d,01/05/2009,10:00:00,%d.5,0\r\n' \
      $((612000 + i / 3)) $((i % 10)) $((4734000 + i / 2)) $((i % 7)) $((400 + i % 900))
  done
} >"$work/track.txt"
"$program" 2>/dev/null &
pid=$!
main=$(xdotool search --sync --onlyvisible --name '^Ruvek v' | head -1)
xdotool windowfocus --sync "$main"
sleep 0.3
xdotool key alt+a
sleep 0.3
xdotool key Return
dialog=$(xdotool search --sync --name 'Abrir archivo' | tail -1)
xdotool windowfocus --sync "$dialog"
xdotool type --delay 5 "$work/track.txt"
xdotool key Return
message=$(xdotool search --sync --name 'Track cargado' | tail -1)
points=$(grep -c '^t' "$work/track.txt")
peak=$(awk '/VmHWM/ {print $2 " " $3}' "/proc/$pid/status")
echo "peak resident memory with a $points-point track loaded: $peak"
xdotool windowfocus --sync "$message"
xdotool key Return
kill "$pid"
