#!/usr/bin/env bash
# Starts the real game under Xvfb, drives it as a user would (mouse and keys through xdotool)
# and prints what it costs: time to the first window, resident memory, processor use at rest
# on the 7 × 7 start-up board and on a full 19 × 12 board, and the spread of the game timer's
# intervals while a full 19 × 12 board grows in again and again.
# Usage: scripts/probe.sh [build-dir]     (the game must be built there)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
work="$(mktemp -d)"
game_pid=""; xvfb_pid=""
trap 'kill $game_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

# A saved game with a full 19 × 12 board, Blue to move (so the computer has nothing to do).
le32() { local v=$1; printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $(((v >> 8) & 255)))\\x$(printf %02x $(((v >> 16) & 255)))\\x$(printf %02x $(((v >> 24) & 255)))"; }
{
  printf 'Kalmex Bubbles Save File'
  le32 1900; le32 1200; le32 65536; le32 200
  for slot in $(seq 0 227); do
    if (( (slot / 19 + slot % 19) % 2 )); then le32 30000; else le32 20000; fi
  done
} >"$work/full.kbsf"

cp "$build/kalmex-bubbles" "$build"/rules_*.txt "$work/"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
window_of_width() {
  for id in $(xdotool search --onlyvisible --name '^Kalmex Bubbles$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -eq "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}
# Processor time of all the game's threads in nanoseconds (the scheduler's own accounting,
# far finer than the 10 ms ticks of /proc/PID/stat).
cpu_ns() { cat /proc/"$game_pid"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }
cpu_percent_over() {  # processor use of the game over $1 seconds, in percent of one core
  local before after
  before=$(cpu_ns); sleep "$1"; after=$(cpu_ns)
  awk -v d=$((after - before)) -v s="$1" 'BEGIN { printf "%.2f", 100 * d / (s * 1e9) }'
}
load_full_board() {  # File > Load game, then the file's name typed into the open dialog
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + 12)) $((Y + 8)) click 1
  sleep 0.3
  xdotool key Down Down Down Return
  sleep 0.6
  xdotool type --delay 2 "$work/full.kbsf"
  xdotool key Return
}

start=$(now_ms)
(cd "$work" && KB_TICK_LOG="$work/ticks.log" exec ./kalmex-bubbles >/dev/null 2>&1) &
game_pid=$!
chooser=""
until chooser=$(window_of_width 176); do sleep 0.002; done
first_window_ms=$(( $(now_ms) - start ))
game_pid=$(pgrep -n -f "$work/kalmex-bubbles" || pgrep -n kalmex-bubbles)

xdotool mousemove --window "$chooser" 47 72 click 1
main=""
for _ in $(seq 300); do main=$(window_of_width 632) && break; sleep 0.1; done
sleep 2
rss_kb=$(awk '/VmRSS/ { print $2 }' "/proc/$game_pid/status")
rest_small=$(cpu_percent_over 10)

load_full_board
sleep 2
rest_full=$(cpu_percent_over 10)

# Heavy animation: the full board grows in again, over and over.
marks_before=$(date +%s)
for _ in $(seq 12); do load_full_board; sleep 0.4; done

xdotool windowfocus --sync "$main" key alt+x
sleep 0.5
xdotool key Return
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done

echo "first window mapped:        ${first_window_ms} ms"
echo "resident memory at rest:    $((rss_kb / 1024)) MB (${rss_kb} kB)"
echo "processor at rest, 7x7:     ${rest_small} % of one core over 10 s"
echo "processor at rest, 19x12:   ${rest_full} % of one core over 10 s (full board)"
if [ -s "$work/ticks.log" ]; then
  # Intervals between game timer events that fell into an animation, from the first heavy load on.
  awk -v from="$marks_before" 'NR > 1 && $2 == 1 && prev / 1000000 >= from { print ($1 - prev) / 1000 } { prev = $1 }' \
    "$work/ticks.log" | sort -n >"$work/intervals"
  n=$(wc -l <"$work/intervals")
  awk -v n="$n" '{ v[NR] = $1 } END {
    printf "timer during animation:     median %.2f ms, 99th percentile %.2f ms, largest %.2f ms (%d intervals)\n",
      v[int((n + 1) / 2)], v[int(n * 0.99 + 0.5)], v[n], n }' "$work/intervals"
else
  echo "game timer intervals:       no log (the game did not end normally)"
fi
