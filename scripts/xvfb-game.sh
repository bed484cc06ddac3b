# SPDX-License-Identifier: MIT
# Sourced by the scripts that play the game under Xvfb: a private X server,
# and the game started in a sandbox folder.
#
#   start_xvfb DISPLAY          starts Xvfb there and exports DISPLAY; sets
#                               xvfb to its process; ends it and exits when
#                               it does not come up
#   start_game PROGRAM SANDBOX [TITLE [ARGUMENT...]]
#                               starts the game with SANDBOX/config as its
#                               configuration folder and SANDBOX/work as its
#                               working folder, and the arguments; sets game
#                               to its process and window to its window (the
#                               first titled TITLE, ＤＯＤＩ unless given),
#                               empty when none came
#   play_in_sandbox DISPLAY W H starts Xvfb and a W x H game in a new
#                               sandbox folder (sound off, plain drags),
#                               both ended when the script exits; exits
#                               when no window came
#   differing A B               how many pixels differ between $out/A.png
#                               and $out/B.png
#   same A B WHAT               says ok when none do, else FAILED (counted
#                               in failures)
#   keys KEY...                 the keys typed into the window
#   stage_number                the stage number in the window's title

start_xvfb() {
  Xvfb "$1" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=$1 SDL_AUDIODRIVER=dummy
  # A loaded machine can take a while to bring the server up.
  for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $1"
  kill "$xvfb" 2>/dev/null || true
  exit 1
}

start_game() {
  local program=$1 sandbox=$2 title=${3:-ＤＯＤＩ}
  shift $(($# < 3 ? $# : 3))
  (cd "$sandbox/work" && XDG_CONFIG_HOME="$sandbox/config" exec "$program" "$@") &
  game=$!
  window=""
  for _ in $(seq 50); do
    window=$(xdotool search --all --pid "$game" --name "^$title\$" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && return 0
    sleep 0.1
  done
}

differing() {
  compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1 || true
}

same() {
  local d
  d=$(differing "$1" "$2")
  if [ "$d" = 0 ]; then
    echo "ok: $3"
  else
    echo "FAILED: $3 ($d pixels differ between $1 and $2)"
    failures=$((failures + 1))
  fi
}

keys() {
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --delay 40 "$@"
}

stage_number() {
  local title=""
  for _ in $(seq 50); do
    title=$(xdotool getwindowname "$window")
    case $title in *面) break ;; esac
    sleep 0.1
  done
  echo "$title" | tr -dc '0-9'
}

play_in_sandbox() {
  game=""
  trap '[ -z "$game" ] || kill "$game" 2>/dev/null; kill "$xvfb" 2>/dev/null; true' EXIT
  start_xvfb "$1"
  sandbox=$(mktemp -d)
  mkdir -p "$sandbox/config/fenx" "$sandbox/work"
  printf '[FENX]\nx_size=%s\ny_size=%s\nsound=0\ndrag_type=0\n' "$2" "$3" \
    >"$sandbox/config/fenx/fenx.ini"
  start_game "$program" "$sandbox"
  [ -n "$window" ] || { echo "no window"; exit 1; }
}
