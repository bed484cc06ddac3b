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
