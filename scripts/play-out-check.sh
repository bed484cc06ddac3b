#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tries Shift+H under Xvfb the way a new player would, and compares what
# the window shows:
#   - a fresh 7 x 8 stage started by a click; Shift+H plays it out to the
#     end, the solved animation runs and the picture comes to rest; the
#     history line says solved;
#   - the next stage (a click on the title); Shift+H, then after a few
#     seconds a key stops it: nothing moves afterwards, and the key is not
#     acted on. Ctrl+Z, pressed until the start view shows, counts the moves
#     played; undone, the same moves are made again by mouse drags from
#     `fenx-cli solve` (the last one cell by cell), and the picture the stop
#     left must equal one of them exactly.
# Screenshots of the client area are left in the output folder. Needs Xvfb,
# xdotool, xdpyinfo (x11-utils), imagemagick and python3.
#
#   scripts/play-out-check.sh [output folder] [build folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "${1:-build/play-out-check}")
build=$(realpath "${2:-build/test}")
program=$build/src/fenx
cli=$build/src/fenx-cli
mkdir -p "$out"
rm -f "$out"/*.png

# shellcheck source=scripts/xvfb-game.sh
. "$here/xvfb-game.sh"
play_in_sandbox :49 7 8

failures=0
width=144
height=288
# The client area: the surface is the bottom part of the window, under the
# menu bar.
grab() { # grab NAME: the client area now
  local h
  h=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
  import -window "$window" "$out/window.png"
  convert "$out/window.png" -crop "${width}x${height}+0+$((h - height))" +repage "$out/$1.png"
}
shot() { # shot NAME: the client area once the picture has settled a little
  sleep 0.4
  grab "$1"
}
bar=$(($(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p') - height))
# Client pixel (x, y) of the surface, as a window position.
mouse_to() { xdotool mousemove --window "$window" "$1" $(($2 + bar)); }

# --- A fresh 7 x 8 stage played out to the end --------------------------------
mouse_to 72 100
xdotool click 1
first=$(stage_number)
sleep 1.5
echo "7 x 8 stage $first"
shot start-1
keys shift+h
# A picture every half second until two in a row are the same: the
# play-out and the animation after it are over.
frame=0
grab "play-1-$frame"
while [ "$frame" -lt 400 ]; do
  sleep 0.5
  frame=$((frame + 1))
  grab "play-1-$frame"
  [ "$(differing "play-1-$((frame - 1))" "play-1-$frame")" = 0 ] && break
done
echo "played out and at rest after about $((frame / 2)) s ($frame pictures)"
cp "$out/play-1-$frame.png" "$out/end-1.png"
if [ "$frame" -lt 10 ] || [ "$frame" -ge 400 ]; then
  echo "FAILED: the play-out did not run to a rest"
  failures=$((failures + 1))
fi

# --- The next stage, stopped by a key -----------------------------------------
mouse_to 72 100
xdotool click 1
second=$(stage_number)
sleep 1.5
echo "7 x 8 stage $second"
shot start-2
keys shift+h
sleep 4
keys Right # stops the play-out; a key of play otherwise shows the cursor
shot stopped
sleep 1.5
shot stopped-later
same stopped stopped-later "nothing moves once a key has stopped the play-out"
mouse_to 150 -10 # off the field

# The moves played, counted by undoing them down to the start view.
undone=0
while [ "$undone" -lt 80 ]; do
  keys ctrl+z
  undone=$((undone + 1))
  shot undo
  [ "$(differing undo start-2)" = 0 ] && break
done
same undo start-2 "Ctrl+Z takes the moves played back to the start view ($undone moves)"

# The same moves by the mouse: the first ones whole, the last cell by cell.
"$cli" stage 7 8 "$second" >"$out/stage-2.txt"
"$cli" solve 7 8 "$second" >"$out/solve-2.txt"
python3 - "$here" "$out/stage-2.txt" "$out/solve-2.txt" "$undone" >"$out/replay-2.txt" <<'EOF'
import runpy, sys, types
d2k = types.SimpleNamespace(**runpy.run_path(sys.argv[1] + "/drags-to-keys.py"))
field = d2k.Field(d2k.read_field(sys.argv[2]))
drags = d2k.read_drags(sys.argv[3])
made = int(sys.argv[4])
pixel = lambda c: f"{(c[0] + 1) * 16 + 8} {(c[1] + 1) * 16 + 8}"
for drag in drags[:made - 1]:
    d2k.walk_drag(field, drag)
    print("whole", " ".join(pixel(c) for c in drag))
# The last drag as the grab cell walks it, one step after another.
last = drags[made - 1]
steps, _, _ = d2k.walk_drag(field, last)
cells, at = [], last[0]
for dx, dy in steps:
    at = (at[0] + dx, at[1] + dy)
    cells.append(at)
print("steps", pixel(last[0]), " ".join(pixel(c) for c in cells))
EOF
matched=""
while read -r -a line; do
  mouse_to "${line[1]}" "${line[2]}"
  xdotool mousedown 1
  for ((i = 3; i < ${#line[@]}; i += 2)); do
    mouse_to "${line[i]}" "${line[i + 1]}"
    sleep 0.05
    if [ "${line[0]}" = steps ]; then
      shot replay
      if [ "$(differing replay stopped)" = 0 ]; then
        matched=$(((i - 1) / 2))
        break
      fi
    fi
  done
  xdotool mouseup 1
done <"$out/replay-2.txt"
if [ -n "$matched" ]; then
  echo "ok: the stopped picture equals $((undone - 1)) whole drags of fenx-cli solve and $matched steps of the next, made by the mouse"
else
  echo "FAILED: no replay of the moves played gives the stopped picture"
  failures=$((failures + 1))
fi

keys alt+g x
wait "$game" || true
game=""
sed 's/^/fenx.log: /' "$sandbox/work/fenx.log"
if grep -qE "^1 .* 7 8 $first\$" "$sandbox/work/fenx.log"; then
  echo "ok: the played-out stage $first is recorded as solved"
else
  echo "FAILED: the played-out stage $first is not recorded as solved"
  failures=$((failures + 1))
fi
rm -rf "$sandbox"
echo "$failures failed; screenshots in $out"
[ "$failures" -eq 0 ]
