#!/usr/bin/env bash
# The Czech captions on screen: "Cesky" chosen in the chooser, the menu bar and the caption
# status bar compared with the same widgets drawn with the Czech captions, then the windows that
# the keyboard and the menus open, known by their titles, and the Czech exit question, whose OK
# ends the program.
# Usage: czech_captions.sh <game executable> <screen_reader> <render_captions>
set -euo pipefail
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$1" "$2"
render="$3"

main=$(choose_language czech)
columns=7 rows=7
wait_blue_turn || e2e_fail "the game ended at once"

# The menu titles and the status bar's captions, against a drawing of the expected texts.
"$render" "$work/menu-cz.png" "$work/status-cz.png" \
  "Soubor,Konfigurace,Pomoc" "Modry,Zeleny,Celkem,Kolo,Velkost hraci plochy" || e2e_fail "cannot draw the captions"
"$render" "$work/menu-en.png" "$work/status-en.png" \
  "File,Configuration,Help" "Blue,Green,Total,Round,Plane size" || e2e_fail "cannot draw the captions"
"$reader" same "$work/menu-cz.png" "$work/menu-en.png" >/dev/null && e2e_fail "the menu bar draws alike in both languages"
"$reader" same "$work/status-cz.png" "$work/status-en.png" >/dev/null && e2e_fail "the status bar draws alike in both languages"
shot "$main" "$work/main.png"
menu_height=$(identify -format %h "$work/menu-cz.png")
window_height=$(identify -format %h "$work/main.png")
convert "$work/main.png" -crop "632x${menu_height}+0+0" +repage "$work/menu-shown.png"
convert "$work/main.png" -crop "632x19+0+$((window_height - 38))" +repage "$work/status-shown.png"
"$reader" same "$work/menu-cz.png" "$work/menu-shown.png" || e2e_fail "the menu bar does not show the Czech titles"
"$reader" same "$work/status-cz.png" "$work/status-shown.png" || e2e_fail "the status bar does not show the Czech captions"

# expect_window <title> <how it is dismissed: a key, or x,y of its button>
expect_window() {
  local id
  id=$(wait_window "^$1\$")
  if [[ "$2" == *,* ]]; then
    click "$id" "${2%,*}" "${2#*,}"
  else
    focus "$id"
    xdotool key "$2"
  fi
  wait_hidden "^$1\$"
  echo "shown: ${1//\\/}"
}

focus "$main"
xdotool key F2
expect_window 'Vytvor novou hru' Escape
open_menu_item 1 0  # Konfigurace > Velky ukazatel hrace: the turn indicator
indicator=$(wait_window '^Na tahu je$')
echo "shown: Na tahu je"
open_menu_item 1 0  # the same item again hides it
wait_hidden '^Na tahu je$'
open_menu_item 2 0  # Pomoc > Pravidla hry
expect_window 'Pravidla hry' 182,357
open_menu_item 2 1  # Pomoc > O hre ...
expect_window 'O hre \.\.\.' 148,197

# Alt+X asks in Czech; OK ends the program.
focus "$main"
xdotool key alt+x
question=$(wait_window '^Pozor !!$')
focus "$question"
xdotool key Return
ended() {  # gone, or a zombie waiting to be reaped
  local state
  state=$(ps -o stat= -p "$game_pid") || return 0
  [[ "$state" == Z* ]]
}
wait_for 10 ended || e2e_fail "the program did not end after the exit question"
wait "$game_pid" || e2e_fail "the program ended with status $?"
game_pid=""
echo "ended by the Czech exit question"
