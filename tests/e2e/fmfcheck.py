"""Helpers of the sample end-to-end test, on FMF files of 8 bits per cell.

plan START.fmf
    prints: pick_x pick_y part pen_x pen_y fill_x fill_y (cells of the top layer)
check START.fmf SAVED.fmf PART PEN_X PEN_Y [FILL_X FILL_Y]
    the saved map equals the start with PART painted at the pen cell and, when given, the
    4-connected region of empty cells around the fill cell filled with PART
"""
import struct
import sys

VISIBLE = range(1, 24), range(1, 18)  # columns, rows comfortably inside the view


def read_fmf(path):
    data = open(path, "rb").read()
    assert data[:4] == b"FMF_", path
    width, height = struct.unpack_from("<II", data, 8)
    layers, bits = data[18], data[19]
    assert bits == 8, bits
    cells = data[20:]
    size = width * height
    return width, height, [list(cells[i * size:(i + 1) * size]) for i in range(layers)]


def plan(path):
    width, _, layers = read_fmf(path)
    top = layers[-1]
    inside = [(x, y) for y in VISIBLE[1] for x in VISIBLE[0]]
    pick = next((x, y) for x, y in inside if top[y * width + x] != 0)
    empty = [(x, y) for x, y in inside if top[y * width + x] == 0]
    pen, fill = empty[0], empty[-1]
    part = top[pick[1] * width + pick[0]]
    print(*pick, part, *pen, *fill)


def flood(cells, width, height, x, y, value):
    target = cells[y * width + x]
    if target == value:
        return
    stack = [(x, y)]
    while stack:
        x, y = stack.pop()
        if 0 <= x < width and 0 <= y < height and cells[y * width + x] == target:
            cells[y * width + x] = value
            stack += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]


def check(start, saved, part, pen_x, pen_y, fill=None):
    width, height, expected = read_fmf(start)
    _, _, actual = read_fmf(saved)
    top = expected[-1]
    top[pen_y * width + pen_x] = part
    if fill:
        flood(top, width, height, fill[0], fill[1], part)
    for index, (want, got) in enumerate(zip(expected, actual)):
        if want != got:
            wrong = [(i % width, i // width, w, g) for i, (w, g) in enumerate(zip(want, got)) if w != g]
            sys.exit("layer %d differs at %d cells, first %s" % (index, len(wrong), wrong[:5]))
    assert len(expected) == len(actual)


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    if command == "plan":
        plan(*args)
    else:
        numbers = [int(a) for a in args[2:]]
        check(args[0], args[1], numbers[0], numbers[1], numbers[2],
              (numbers[3], numbers[4]) if len(numbers) > 3 else None)
