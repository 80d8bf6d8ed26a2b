#!/usr/bin/env bash
# Starts the real game in a real X server, chooses English in the language chooser with the
# mouse, and checks the board's grid on a screenshot of the screen.
# Usage: board_on_screen.sh <game executable> <screen_reader>
set -euo pipefail
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$1" "$2"
main=$(choose_language english)
columns=7 rows=7
wait_blue_turn || e2e_fail "the game ended at once"  # the starting bubbles have grown in
"$reader" grid "$work/board.png" 7 7 || e2e_fail "the board's grid is not as drawn"
