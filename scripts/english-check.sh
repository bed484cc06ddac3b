#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays the game in English under Xvfb the way a new player would try it,
# and checks what the windows show:
#   - `fenx --lang en` stores language=en and its window is titled FENX;
#   - each dialog opens on its access keys with its English title;
#   - Stage Number, keyed in with its access keys (Alt+A, Alt+4, Alt+8,
#     Alt+2, Alt+9, Alt+S), starts stage 4829: the title says so and the
#     picture equals `fenx-cli render 7 4 4829 --hour H`;
#   - a start without the option is English again; `--lang ja` brings the
#     Japanese title back and stores language=ja.
# Screenshots of every window are left in the output folder. Needs Xvfb,
# xdotool, xdpyinfo (x11-utils) and imagemagick.
#
#   scripts/english-check.sh [output folder] [build folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "${1:-build/english-check}")
build=$(realpath "${2:-build/test}")
program=$build/src/fenx
cli=$build/src/fenx-cli
mkdir -p "$out"

# shellcheck source=scripts/xvfb-game.sh
. "$here/xvfb-game.sh"
game=""
cleanup() {
  if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
start_xvfb :49

sandbox=$(mktemp -d)
mkdir -p "$sandbox/config/fenx" "$sandbox/work"
printf '1 26/12/31 23:59 38 10 65535\n0 26/01/02 08:05 12 4 4829\n' >"$sandbox/work/fenx.log"
ini=$sandbox/config/fenx/fenx.ini

failures=0
check() { # check WHAT COMMAND...
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}
stored() { grep -qx "$1" "$ini"; }
titled() { [ "$(xdotool getwindowname "$1")" = "$2" ]; }
# Keys typed into a given window (the sourced keys types into the game's).
keys_into() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  shift
  xdotool key --delay 120 "$@"
}
# The first window of the game titled TITLE, waited for.
window_titled() {
  for _ in $(seq 40); do
    local found
    found=$(xdotool search --all --onlyvisible --pid "$game" --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$found" ] && echo "$found" && return 0
    sleep 0.1
  done
  return 1
}
end_game() {
  kill -TERM "$game"
  wait "$game" || true
  game=""
}

# --- In English -------------------------------------------------------------
start_game "$program" "$sandbox" FENX --lang en
[ -n "$window" ] || { echo "FAILED: no window titled FENX"; exit 1; }
check "--lang en stores language=en" stored language=en
xdotool windowmove --sync "$window" 0 0
import -window "$window" "$out/title.png"

# Each dialog by its access keys: KEYS... TITLE.
for dialog in "alt+g f|Find Stages" "alt+g a|Change Size" "alt+g c|Challenge Stages" \
  "alt+h h|History" "alt+h c|FENX Help" "alt+h a|About FENX"; do
  title=${dialog#*|}
  read -r -a press <<<"${dialog%%|*}"
  keys_into "$window" "${press[@]}"
  if opened=$(window_titled "$title"); then
    echo "ok: ${press[*]} opens \"$title\""
    xdotool windowmove --sync "$opened" 300 0
    sleep 0.4
    import -window "$opened" "$out/${title// /-}.png"
    if [ "$title" = "About FENX" ]; then
      keys_into "$opened" Return
    else
      keys_into "$opened" Escape
    fi
  else
    echo "FAILED: ${press[*]} opens no window titled \"$title\""
    failures=$((failures + 1))
  fi
  sleep 0.3
done

keys_into "$window" alt+g d
if dialog=$(window_titled "Stage Number"); then
  xdotool windowmove --sync "$dialog" 300 0
  keys_into "$dialog" alt+a alt+4 alt+8 alt+2 alt+9
  import -window "$dialog" "$out/Stage-Number.png"
  hour=$(date +%H)
  keys_into "$dialog" alt+s
  sleep 2.5 # the fly-in
  check "Alt+S starts stage 4829" titled "$window" "Stage 4829"
  height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
  import -window "$window" "$out/window.png"
  convert "$out/window.png" -crop "144x160+0+$((height - 160))" +repage "$out/stage-4829.png"
  "$cli" render 7 4 4829 "$out/stage-4829-render.png" --hour "$((10#$hour))"
  same stage-4829 stage-4829-render "stage 4829 looks as fenx-cli renders it"
else
  echo "FAILED: Alt+G D opens no window titled \"Stage Number\""
  failures=$((failures + 1))
fi
end_game

# --- Without the option, then back to Japanese -------------------------------
start_game "$program" "$sandbox" FENX
check "a start without the option is English again" [ -n "$window" ]
end_game
start_game "$program" "$sandbox" ＤＯＤＩ --lang ja
check "--lang ja shows the Japanese title" [ -n "$window" ]
[ -n "$window" ] && import -window "$window" "$out/title-ja.png"
end_game
check "--lang ja stores language=ja" stored language=ja

echo "$failures failed"
[ "$failures" = 0 ]
