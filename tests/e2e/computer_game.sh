#!/usr/bin/env bash
# A whole game against the computer, played like a person: English chosen in the chooser, F2,
# a 5 × 5 board with the computer playing Green, Blue's moves read off the screen and clicked,
# a name typed into the game-over window, and the high-score table, on screen and in the score
# file beside the program.
# Usage: computer_game.sh <game executable> <screen_reader>
set -euo pipefail
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$1" "$2"
name="Ada Lovelace"

main=$(choose_language english)
columns=7 rows=7
wait_blue_turn || e2e_fail "the first game ended at once"

# The high-score table of a fresh score file, from the menu's shortcut.
focus "$main"
xdotool key ctrl+h
scores=$(wait_window '^High score$')
shot "$scores" "$work/scores-before.png"
focus "$scores"
xdotool key Return
wait_hidden '^High score$'

# Plays one 5 × 5 game to its end; leaves the game-over window up.
play_a_game() {
  focus "$main"
  xdotool key F2
  local dialog
  dialog=$(wait_window '^Create new game$')
  click "$dialog" 115 109  # "Computer" for Green
  click "$dialog" 61 150   # OK
  wait_hidden '^Create new game$'
  columns=5 rows=5
  wait_blue_turn || e2e_fail "the new game ended at once"
  "$reader" grid "$work/board.png" 5 5 >/dev/null || e2e_fail "the new board is not an empty 5 x 5 grid: $CELLS"
  local moves=0
  while wait_blue_turn; do
    play_blue_move
    moves=$((moves + 1))
    [ "$moves" -le 40 ] || e2e_fail "the game did not end within 40 moves"
  done
  echo "game over after $moves moves of Blue"
}

# The board at the end, with the game-over window moved off it.
final_board() {
  local over
  over=$(wait_window '^Game Over$')
  xdotool windowmove --sync "$over" 0 0
  wait_for 5 eval 'read_board "$main" 5 5; [ "$FOUND" = 1 ] && [ "$UNSURE" = 0 ]' \
    || e2e_fail "the final board cannot be read: $CELLS"
  echo "final board $CELLS: Blue $BLUE, Green $GREEN"
}

# A draw asks for no name; it is dismissed and another game is played.
for attempt in 1 2 3; do
  play_a_game
  final_board
  [ "$BLUE" != "$GREEN" ] && break
  over=$(window '^Game Over$')
  click "$over" 172 177                         # OK
  click "$(wait_window '^High score$')" 167 237 # OK
  wait_hidden '^High score$'
  [ "$attempt" -lt 3 ] || e2e_fail "three draws in a row"
done

over=$(window '^Game Over$')
focus "$over"
click "$over" 170 145  # the name box
xdotool key ctrl+a
xdotool type --delay 20 "$name"
click "$over" 172 177  # OK
scores=$(wait_window '^High score$')
wait_hidden '^Game Over$'

# The winner's share of the bubbles and count, as stored beside the program.
total=$((BLUE + GREEN))
if [ "$BLUE" -gt "$GREEN" ]; then
  expected="$((BLUE * 100 / total)) $BLUE"
else
  expected="$((100 - BLUE * 100 / total)) $GREEN"
fi
stored=$("$reader" score "$work/game/Score.dat" "$name") || e2e_fail "'$name' is not in the score file"
[ "$stored" = "$expected" ] || e2e_fail "stored '$stored' (percentage, bubbles), expected '$expected'"

# On screen, the table differs from the fresh one in its first place only (the result beats the
# empty places), and opened again from the menu it shows the same.
shot "$scores" "$work/scores.png"
difference=$("$reader" same "$work/scores-before.png" "$work/scores.png" || true)
echo "high-score window: $difference"
[[ "$difference" =~ within\ \(([0-9]+),\ ([0-9]+)\)\ ([0-9]+)x([0-9]+) ]] || e2e_fail "the table on screen did not change"
top=${BASH_REMATCH[2]} bottom=$((BASH_REMATCH[2] + BASH_REMATCH[4]))
[ "$top" -ge 22 ] && [ "$bottom" -le 44 ] || e2e_fail "the table changed outside its first place"
focus "$scores"
xdotool key Return
wait_hidden '^High score$'
focus "$main"
xdotool key ctrl+h
scores=$(wait_window '^High score$')
shot "$scores" "$work/scores-again.png"
"$reader" same "$work/scores.png" "$work/scores-again.png" >/dev/null \
  || e2e_fail "the high-score table shows something else when opened from the menu"
echo "stored and shown: $name, $stored"
