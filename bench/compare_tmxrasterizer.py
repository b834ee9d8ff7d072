#!/usr/bin/env python3
"""Renders one map with brimwell-cli and with Tiled's tmxrasterizer and compares time and
peak memory.

The map: 256 x 256 cells of 32 x 32 parts (an 8192 x 8192 image), 4 visible layers, each with
its own parts image of 16 x 16 parts whose top-left 8 x 8 corner is pure green, the colour key.
Part 0 is left out (our transparent part, an empty tile in TMX). The same cells go into a .bwp
project and a .tmx map; the tilesets carry the colour key as trans="00ff00".

Usage: bench/compare_tmxrasterizer.py [brimwell-cli] [work folder] [runs]
tmxrasterizer comes from Debian's `tiled` package; install it by hand for this measurement.
"""
import os
import random
import re
import shutil
import statistics
import struct
import subprocess
import sys

CELLS, PART, LAYERS, PER_ROW = 256, 32, 4, 16


def u16(v): return struct.pack("<H", v)
def u32(v): return struct.pack("<I", v)


def chunk(cid, payload):
    return cid + u32(len(payload)) + payload + (b"\0" if len(payload) % 2 else b"")


def parts_bmp(path, seed):
    side = PART * PER_ROW
    row = bytearray()
    rows = []
    for y in range(side):
        row = bytearray()
        for x in range(side):
            if x % PART < 8 and y % PART < 8:
                row += b"\x00\xff\x00"
            else:
                row += bytes(((x + seed) & 0xFF, (y * 3) & 0xFF, (seed * 40 + 1) & 0xFF))
        rows.append(bytes(row))
    data = b"".join(reversed(rows))
    header = (b"BM" + u32(54 + len(data)) + u32(0) + u32(54) + u32(40) + u32(side) + u32(side)
              + u16(1) + u16(24) + bytes(24))
    with open(path, "wb") as f:
        f.write(header + data)


def layers_cells():
    rnd = random.Random(1)
    return [[rnd.randrange(256) for _ in range(CELLS * CELLS)] for _ in range(LAYERS)]


def write_bwp(path, cells):
    win = lambda h: u32(0) + u32(0) + u32(200) + u32(h) + u16(256) + b"\x01\x00"
    body = chunk(b"Ver_", b"\x01\x05\x02b")
    body += chunk(b"UMFh", u32(CELLS) + u32(CELLS) + u32(PART) + u32(PART)
                  + bytes((LAYERS, 8, 1, 255)))
    for cid in (b"mWin", b"cWin", b"lWin", b"pWin"):
        body += chunk(cid, win(200))
    body += chunk(b"Env_", b"\x01\x00\x00\x01") + chunk(b"Marh", b"\x00\x00")
    body += chunk(b"ColK", b"\x01" + u32(0x00FF00) + b"\x00")  # colour key on, green
    body += chunk(b"InvC", b"\x00\x00\x00\x00")                 # part 0 left out
    for i, layer in enumerate(cells):
        payload = (f"layer{i}".encode() + b"\0" + f"parts{i}.bmp".encode() + b"\0" + b"\x01"
                   + struct.pack(f"<{len(layer)}H", *layer))
        body += chunk(b"LAY1", payload)
    with open(path, "wb") as f:
        f.write(b"RIFF" + u32(len(body) + 4) + b"UMF_" + body)


def write_tmx(path, cells):
    tiles = PER_ROW * PER_ROW
    out = [f'<?xml version="1.0" encoding="UTF-8"?>\n<map version="1.8" orientation="orthogonal" '
           f'renderorder="right-down" width="{CELLS}" height="{CELLS}" tilewidth="{PART}" '
           f'tileheight="{PART}" infinite="0" backgroundcolor="#000000">']
    for i in range(LAYERS):
        side = PART * PER_ROW
        out.append(f' <tileset firstgid="{1 + i * tiles}" name="parts{i}" tilewidth="{PART}" '
                   f'tileheight="{PART}" tilecount="{tiles}" columns="{PER_ROW}">'
                   f'<image source="parts{i}.bmp" trans="00ff00" width="{side}" height="{side}"/>'
                   f'</tileset>')
    for i, layer in enumerate(cells):
        gids = [0 if p == 0 else 1 + i * tiles + p for p in layer]
        rows = [",".join(map(str, gids[y * CELLS:(y + 1) * CELLS])) for y in range(CELLS)]
        out.append(f' <layer name="layer{i}" width="{CELLS}" height="{CELLS}">'
                   f'<data encoding="csv">\n' + ",\n".join(rows) + '\n</data></layer>')
    out.append("</map>\n")
    with open(path, "w") as f:
        f.write("\n".join(out))


def measure(command, env=None):
    result = subprocess.run(["/usr/bin/time", "-v"] + command, capture_output=True, text=True,
                            env=env)
    if result.returncode != 0:
        sys.exit(f"failed: {' '.join(command)}\n{result.stderr}")
    wall = re.search(r"Elapsed \(wall clock\) time.*: (?:(\d+):)?(\d+):([\d.]+)", result.stderr)
    seconds = int(wall.group(1) or 0) * 3600 + int(wall.group(2)) * 60 + float(wall.group(3))
    rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", result.stderr).group(1))
    return seconds, rss / 1024


def bmp_rows(path):
    """The rows of an uncompressed 24- or 32-bit BMP, top first, as B, G, R bytes."""
    with open(path, "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    step = bits // 8
    stride = (width * step + 3) & ~3
    rows = []
    for y in range(abs(height)):
        start = offset + y * stride
        raw = data[start:start + width * step]
        if step == 4:
            rgb = bytearray(width * 3)
            for k in range(3):
                rgb[k::3] = raw[k::4]
            raw = bytes(rgb)
        rows.append(raw)
    return rows[::-1] if height > 0 else rows


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else "build/release/bin/brimwell-cli"
    work = sys.argv[2] if len(sys.argv) > 2 else "/tmp/brimwell-tmx-compare"
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    if not shutil.which("tmxrasterizer"):
        sys.exit("tmxrasterizer not found (apt-get install tiled)")
    os.makedirs(work, exist_ok=True)
    for i in range(LAYERS):
        parts_bmp(os.path.join(work, f"parts{i}.bmp"), i)
    cells = layers_cells()
    write_bwp(os.path.join(work, "map.bwp"), cells)
    write_tmx(os.path.join(work, "map.tmx"), cells)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    jobs = {
        "brimwell-cli export (.bmp)": [cli, "export", f"{work}/map.bwp", f"{work}/ours.bmp"],
        "tmxrasterizer (.bmp)": ["tmxrasterizer", f"{work}/map.tmx", f"{work}/tiled.bmp"],
        "tmxrasterizer (.png)": ["tmxrasterizer", f"{work}/map.tmx", f"{work}/tiled.png"],
    }
    print(f"{'renderer':30} {'median s':>9} {'peak MB':>9}")
    for name, command in jobs.items():
        samples = [measure(command, env) for _ in range(runs)]
        print(f"{name:30} {statistics.median(s for s, _ in samples):9.2f} "
              f"{max(m for _, m in samples):9.1f}")
    ours, theirs = bmp_rows(f"{work}/ours.bmp"), bmp_rows(f"{work}/tiled.bmp")
    same = len(ours) == len(theirs) and all(a == b for a, b in zip(ours, theirs))
    print("the two pictures are " + ("identical" if same else "DIFFERENT"))


if __name__ == "__main__":
    main()
