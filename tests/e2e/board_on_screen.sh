#!/usr/bin/env bash
# Starts the real game in a real X server, chooses English in the language chooser with the
# mouse, and checks the board's grid on a screenshot of the screen.
set -euo pipefail
game="$1"
checker="$2"
work="$(mktemp -d)"
trap 'kill $game_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
game_pid=""; xvfb_pid=""

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# A copy of the program in a folder of its own, so its score file stays there.
cp "$game" "$work/kalmex-bubbles"
(cd "$work" && ./kalmex-bubbles >"$work/game.log" 2>&1) &
game_pid=$!

window_of_width() {  # prints the id of the visible "Kalmex Bubbles" window of the given width
  for id in $(xdotool search --onlyvisible --name '^Kalmex Bubbles$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -eq "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}

chooser=""
for _ in $(seq 300); do chooser=$(window_of_width 176) && break; sleep 0.1; done
[ -n "$chooser" ] || { echo "the language chooser did not appear"; cat "$work/game.log"; exit 1; }
xdotool mousemove --window "$chooser" 47 72 click 1   # its OK button

main=""
for _ in $(seq 300); do main=$(window_of_width 632) && break; sleep 0.1; done
[ -n "$main" ] || { echo "the main window did not appear"; cat "$work/game.log"; exit 1; }
sleep 1  # the starting bubbles grow in
import -window root "$work/screen.png"
"$checker" "$work/screen.png" 7 7
if [ -n "${KB_SCREENSHOT_OUT:-}" ]; then cp "$work/screen.png" "$KB_SCREENSHOT_OUT"; fi
