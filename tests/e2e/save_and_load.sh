#!/usr/bin/env bash
# Saves a game through the real save dialog under a name typed without an extension, starts
# another game, loads the saved one through the real open dialog, and compares the main window
# on screen, pixel by pixel, with the one before saving.
# Usage: save_and_load.sh <game executable> <screen_reader>
#
# With KB_SCREENSHOT_OUT set, the main window before saving is also written there (the
# README's screenshot).
set -euo pipefail
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$1" "$2"

main=$(choose_language english)
columns=7 rows=7
for _ in 1 2 3; do
  wait_blue_turn || e2e_fail "the game ended within three moves"
  play_blue_move
done
wait_blue_turn || e2e_fail "the game ended within three moves"

# The window at rest: idle bubbles pulse now and then, so each pixel takes the value that most
# of five shots show; the window has settled when two such pictures in a row agree and every
# bubble shows the resting picture of its colour. (A pulse that a move's animations cut off
# leaves a smaller frame on the board until that bubble's next pulse redraws it, up to a few
# seconds later; a loaded game starts with every bubble whole.)
steady_window() {
  local i round=0 shots=() deadline=$((SECONDS + 60))
  while :; do
    shots=()
    for i in 1 2 3 4 5; do
      shot "$main" "$work/shot-$i.png"
      shots+=("$work/shot-$i.png")
      sleep 0.1
    done
    "$reader" steady "$work/steady-$round.png" "${shots[@]}"
    eval "$("$reader" state "$work/steady-$round.png" "$columns" "$rows")"
    if [ "$round" -gt 0 ] && [ "$ODD" = 0 ] &&
       "$reader" same "$work/steady-$((round - 1)).png" "$work/steady-$round.png" >/dev/null; then
      cp "$work/steady-$round.png" "$1"
      return 0
    fi
    round=$((round + 1))
    [ "$SECONDS" -lt "$deadline" ] || e2e_fail "the main window did not come to rest (ODD=$ODD)"
  done
}
steady_window "$work/before.png"
echo "saving $CELLS"
if [ -n "${KB_SCREENSHOT_OUT:-}" ]; then cp "$work/before.png" "$KB_SCREENSHOT_OUT"; fi

# File > Save game: the dialog opens in the program's folder; the name gets ".kbsf".
open_menu_item 0 1
dialog=$(wait_window '^Save As$')
focus "$dialog"
xdotool type --delay 20 "middle game"
xdotool key Return
wait_hidden '^Save As$'
wait_for 5 test -s "$work/game/middle game.kbsf" || e2e_fail "no 'middle game.kbsf' beside the program"
[ "$(stat -c %s "$work/game/middle game.kbsf")" = 236 ] || e2e_fail "the saved 7 x 7 game is not 236 bytes"

# Another game on another board.
focus "$main"
xdotool key F2
dialog=$(wait_window '^Create new game$')
focus "$dialog"
xdotool key Return
wait_hidden '^Create new game$'
columns=5 rows=5
wait_for 10 eval 'read_board "$main" 5 5; [ "$FOUND" = 1 ]' || e2e_fail "no 5 x 5 board after F2"

# File > Load game, the saved game picked by its full name.
open_menu_item 0 2
dialog=$(wait_window '^Open$')
focus "$dialog"
xdotool type --delay 20 "middle game.kbsf"
xdotool key Return
wait_hidden '^Open$'
columns=7 rows=7
wait_blue_turn || e2e_fail "the loaded game is over"
steady_window "$work/after.png"
echo "loaded $CELLS"
"$reader" same "$work/before.png" "$work/after.png" || e2e_fail "the loaded game looks different from the saved one"
