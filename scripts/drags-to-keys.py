#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Turns the drags of `fenx-cli solve` into the keys that make the same moves.

    drags-to-keys.py STAGE_DUMP SOLVE_OUTPUT

STAGE_DUMP is the output of `fenx-cli stage W H N`, SOLVE_OUTPUT that of
`fenx-cli solve W H N`. Each drag is walked on the dumped field the way the
game walks a held block toward the cursor (the diagonal first, then across,
then up or down, every step only onto free cells or the block's own), and
each step it takes becomes the key for that very step. The keyboard cursor
is walked to the pressed cell with the arrows (from the bottom-left cell,
where a stage starts it), the block picked up with Space and put down with Space, except
after the step that solves the stage. Prints xdotool key names, one per
line; exits with status 1 when the walked drags do not solve the field.
"""
import sys

STEP_KEYS = {
    (-1, 0): "Left", (1, 0): "Right", (0, -1): "Up", (0, 1): "Down",
    (-1, -1): "Home", (1, -1): "Prior", (-1, 1): "End", (1, 1): "Next",
}


def sign(v):
    return (v > 0) - (v < 0)


def tagged_lines(path, tag):
    """The words after the tag of every line of the file that starts with it."""
    with open(path, encoding="utf-8") as text:
        return [line.split()[1:] for line in text if line.split()[:1] == [tag]]


def read_field(path):
    return [[-1 if w == "." else int(w) for w in words] for words in tagged_lines(path, "field")]


def read_drags(path):
    drags = []
    for words in tagged_lines(path, "drag"):
        pixels = list(map(int, words))
        drags.append([(pixels[i] // 16 - 1, pixels[i + 1] // 16 - 1)
                      for i in range(0, len(pixels), 2)])
    return drags


class Field:
    def __init__(self, rows):
        self.rows = rows
        self.width = len(rows[0])
        self.height = len(rows)

    def cells(self, block):
        return [(x, y) for y, row in enumerate(self.rows) for x, v in enumerate(row) if v == block]

    def fits(self, block, dx, dy):
        for x, y in self.cells(block):
            x, y = x + dx, y + dy
            if not (0 <= x < self.width and 0 <= y < self.height):
                return False
            if self.rows[y][x] not in (-1, block):
                return False
        return True

    def move(self, block, dx, dy):
        cells = self.cells(block)
        for x, y in cells:
            self.rows[y][x] = -1
        for x, y in cells:
            self.rows[y + dy][x + dx] = block

    def complete(self):
        full = 0
        for row in self.rows:
            covered = sum(1 for v in row if v >= 0)
            if 0 < covered < self.width:
                return False
            full += covered == self.width
        return full * 2 == self.height


def walk_drag(field, drag):
    """Walks drag (press cell, then cursor cells) on the field; returns the
    steps taken, the grab cell at the end, and whether a step solved it."""
    press = drag[0]
    block = field.rows[press[1]][press[0]]
    steps, grab = [], press
    for target in drag[1:]:
        target = (min(max(target[0], 0), field.width - 1),
                  min(max(target[1], 0), field.height - 1))
        while grab != target:
            sx, sy = sign(target[0] - grab[0]), sign(target[1] - grab[1])
            tries = [(sx, sy)] + ([(sx, 0), (0, sy)] if sx and sy else [])
            step = next((t for t in tries if field.fits(block, *t)), None)
            if step is None:
                break
            field.move(block, *step)
            grab = (grab[0] + step[0], grab[1] + step[1])
            steps.append(step)
            if field.complete():
                return steps, grab, True
    return steps, grab, False


def main(argv):
    if len(argv) != 3:
        print("usage: " + __doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    field = Field(read_field(argv[1]))
    cursor = (0, field.height - 1)
    keys = []
    for drag in read_drags(argv[2]):
        press = drag[0]
        keys += ["Left" if press[0] < cursor[0] else "Right"] * abs(press[0] - cursor[0])
        keys += ["Up" if press[1] < cursor[1] else "Down"] * abs(press[1] - cursor[1])
        if field.rows[press[1]][press[0]] < 0:
            print(f"drag from an empty cell {press}", file=sys.stderr)
            return 1
        steps, cursor, solved = walk_drag(field, drag)
        keys += ["space"] + [STEP_KEYS[step] for step in steps]
        if solved:
            print("\n".join(keys))
            return 0
        keys.append("space")
    print("\n".join(keys))
    print("the drags did not solve the field", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
