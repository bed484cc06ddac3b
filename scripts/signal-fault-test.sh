#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Ends the game with SIGTERM, SIGINT or SIGHUP at random moments (during the
# fly-in, while a block is dragged, with dialogs open) and checks that every
# run writes exactly one history line for the stage it left and leaves
# fenx.ini whole. Needs Xvfb, xdotool and xdpyinfo (x11-utils).
#
#   scripts/signal-fault-test.sh [runs] [path to fenx]
set -euo pipefail
runs=${1:-30}
program=${2:-build/test/src/fenx}
program=$(realpath "$program")

# shellcheck source=scripts/xvfb-game.sh
. "$(dirname "$0")/xvfb-game.sh"
start_xvfb :47
trap 'kill $xvfb 2>/dev/null || true' EXIT

signals=(TERM INT HUP)
failures=0
for ((run = 1; run <= runs; ++run)); do
  sandbox=$(mktemp -d)
  mkdir -p "$sandbox/config/fenx" "$sandbox/work"
  printf '; kept\n[FENX]\nx_size=7\ny_size=4\nsound=0\n' >"$sandbox/config/fenx/fenx.ini"
  start_game "$program" "$sandbox"
  if [ -z "$window" ]; then
    echo "run $run: no window"
    failures=$((failures + 1))
    kill -KILL "$game" 2>/dev/null || true
    continue
  fi
  # Start a stage with a click on the title screen, then do one of the
  # things a player does before the signal comes.
  xdotool mousemove --window "$window" 72 100 click 1
  # The stage has started when the title shows its number; a signal before
  # that would rightly leave no history line.
  for _ in $(seq 50); do
    case $(xdotool getwindowname "$window" 2>/dev/null) in *面) break ;; esac
    sleep 0.1
  done
  case $((RANDOM % 4)) in
    0) ;;                                            # still flying in
    1) sleep 1; xdotool mousemove --window "$window" 24 155 mousedown 1 \
         mousemove --window "$window" 72 60 ;;       # a drag in progress
    2) sleep 0.5; xdotool windowfocus "$window" key alt+g key d ;; # a dialog open
    3) sleep 0.5; xdotool windowfocus "$window" key alt+h key a ;; # the modal box
  esac
  sleep "0.$((RANDOM % 10))"
  signal=${signals[$((RANDOM % 3))]}
  kill -"$signal" "$game"
  status=0
  wait "$game" || status=$?
  xdotool mouseup 1 2>/dev/null || true
  lines=$(wc -l <"$sandbox/work/fenx.log" 2>/dev/null || echo 0)
  ini=$(cat "$sandbox/config/fenx/fenx.ini")
  if [ "$status" -ne 0 ] || [ "$lines" -ne 1 ] ||
    ! grep -qE '^0 [0-9]{2}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2} 7 4 [0-9]+$' "$sandbox/work/fenx.log" ||
    [ "$ini" != "$(printf '; kept\n[FENX]\nx_size=7\ny_size=4\nsound=0')" ]; then
    echo "run $run (SIG$signal): status $status, $lines history lines, ini: $ini"
    failures=$((failures + 1))
  fi
  rm -rf "$sandbox"
done
echo "$((runs - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
