# Shared by the end-to-end scripts, which source it: a private Xvfb server, a copy of the game
# in a scratch folder of its own, and the moves of a person at the screen: finding windows,
# clicking, typing, taking screenshots and reading them with screen_reader.
#
# Without a window manager the windows have no frames and nobody moves the keyboard focus:
# positions come from xdotool, and a window is given the focus (as a window manager would when
# it comes up or is clicked) before keys are typed into it. Every wait polls for its condition
# and gives up after a bounded time.

# e2e_start <game executable> <screen_reader>
# Starts Xvfb and a copy of the game, with the rules texts of the build folder beside it.
e2e_start() {
  game="$1"
  reader="$2"
  work="$(mktemp -d)"
  game_pid=""
  xvfb_pid=""
  trap e2e_cleanup EXIT

  # Xvfb picks a free display itself and writes its number once it accepts connections.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { cat "$work/xvfb.log"; e2e_fail "Xvfb did not start"; }
  export DISPLAY=":$(head -n1 "$work/display")"
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"

  # A copy of the program in a folder of its own, so its score file and saved games stay there.
  mkdir "$work/game"
  cp "$game" "$work/game/kalmex-bubbles"
  cp "$(dirname "$game")"/rules_en.txt "$(dirname "$game")"/rules_cz.txt "$work/game/"
  (cd "$work/game" && exec ./kalmex-bubbles >"$work/game.log" 2>&1) &
  game_pid=$!
}

e2e_cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}

# Reports a failure with what the program printed, then ends the test (or the command
# substitution it runs in, whose failure then ends the test). With KB_E2E_KEEP naming a file,
# a screenshot of the whole screen is kept there.
e2e_fail() {
  {
    echo "FAIL: $*"
    if [ -n "${KB_E2E_KEEP:-}" ] && [ -n "${DISPLAY:-}" ]; then
      import -window root "$KB_E2E_KEEP" 2>/dev/null && echo "the screen is in $KB_E2E_KEEP"
    fi
    [ -f "$work/game.log" ] && { echo "--- program output"; cat "$work/game.log"; }
  } >&2
  exit 1
}

# Waits until cmd succeeds, polling every 0.1 s for at most the given seconds.
# wait_for <seconds> <cmd...>
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

# Prints the id of the game's visible window whose name matches the pattern (and, when given,
# whose width is the one given).
window() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$game_pid" --name "$1" 2>/dev/null); do
    if [ -n "${2:-}" ]; then
      eval "$(xdotool getwindowgeometry --shell "$id")"
      [ "$WIDTH" -eq "$2" ] || continue
    fi
    echo "$id"
    return 0
  done
  return 1
}

# wait_window <name pattern> [width]: prints the window's id once it is shown (15 s at most).
wait_window() {
  local id="" deadline=$((SECONDS + 15))
  until id=$(window "$@"); do
    [ "$SECONDS" -ge "$deadline" ] && e2e_fail "no window named '$1' appeared"
    sleep 0.1
  done
  echo "$id"
}

# wait_hidden <name pattern>: until no window of that name is shown.
wait_hidden() {
  local deadline=$((SECONDS + 15))
  while window "$1" >/dev/null; do
    [ "$SECONDS" -ge "$deadline" ] && e2e_fail "the window named '$1' stayed up"
    sleep 0.1
  done
}

focus() { xdotool windowfocus --sync "$1"; }

# click <window> <x> <y>: a left click at a point of the window, then the pointer moves to the
# screen's far corner, where it makes no button or menu title look hovered.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  xdotool mousemove 1279 1023
}

shot() { import -window "$1" "$2"; }

# read_board <main window> <columns> <rows>: takes a screenshot of the main window into
# $work/board.png and sets the variables that screen_reader state prints.
read_board() {
  shot "$1" "$work/board.png"
  eval "$("$reader" state "$work/board.png" "$2" "$3")"
}

# choose_language english|czech: answers the language chooser and prints the main window's id.
choose_language() {
  local chooser
  chooser=$(wait_window '^Kalmex Bubbles$' 176)
  [ "$1" = czech ] && click "$chooser" 13 43  # "Cesky"
  click "$chooser" 47 72                       # OK
  wait_window '^Kalmex Bubbles$' 632
}

# Whether Blue may move: the status bar shows Blue, nothing is hatched, no bubble is between two
# colours, and Blue has a move on the screen (bubbles that are still growing in may not show
# yet; when Blue has no move at all, the game-over window comes instead).
blue_to_move() {
  read_board "$main" "$columns" "$rows"
  [ "$FOUND" = 1 ] && [ "$TURN" = blue ] && [ "$UNSURE" = 0 ] && [ "$HATCHED" = 0 ] && [ -n "$MOVE" ]
}

# wait_blue_turn: until Blue may move (status 0) or the game is over (status 1); 30 s at most.
# Uses the globals main, columns and rows.
wait_blue_turn() {
  local deadline=$((SECONDS + 30))
  while :; do
    window '^Game Over$' >/dev/null && return 1
    blue_to_move && return 0
    [ "$SECONDS" -ge "$deadline" ] && e2e_fail "neither Blue's turn nor the game's end came (TURN=$TURN CELLS=$CELLS)"
    sleep 0.1
  done
}

# Plays Blue's move read from the screen: clicks a Blue bubble, sees its targets hatched,
# clicks the target, and waits until the turn passes to Green or the game ends.
play_blue_move() {
  local move=($MOVE)
  [ ${#move[@]} -eq 4 ] || e2e_fail "Blue has no move on $CELLS"
  # The board ignores presses while bubbles still grow (as after a new game, where the status
  # bar shows Blue at once): a press that hatched nothing is simply repeated.
  local try
  for try in 1 2 3 4 5 6; do
    click "$main" "${move[0]}" "${move[1]}"
    wait_for 2 eval 'read_board "$main" "$columns" "$rows"; [ "$HATCHED" -gt 0 ]' && break
    [ "$try" -lt 6 ] || e2e_fail "selecting the bubble at (${move[0]}, ${move[1]}) hatched no cell: $CELLS"
  done
  click "$main" "${move[2]}" "${move[3]}"
  wait_for 15 eval 'window "^Game Over$" >/dev/null || { read_board "$main" "$columns" "$rows"; [ "$TURN" = green ]; }' \
    || e2e_fail "the turn did not pass to Green after Blue's move to (${move[2]}, ${move[3]}): $CELLS"
}

# open_menu_item <menu index from 0> <item index from 0>: clicks the first menu's title, moves
# to the wanted menu with the arrow keys (which makes its first item the active one) and picks
# the item.
open_menu_item() {
  click "$main" 12 9
  # The menu's popup is the game's one window without a name.
  wait_for 5 window '^$' >/dev/null || e2e_fail "the menu did not open"
  local i
  for ((i = 0; i < $1; ++i)); do xdotool key Right; done
  # Opened by the mouse, the first menu has no active item yet.
  [ "$1" -eq 0 ] && xdotool key Down
  for ((i = 0; i < $2; ++i)); do xdotool key Down; done
  xdotool key Return
}
