#!/usr/bin/env python3
"""Checks that each shown window's frame, title bar included, covers the rectangle that the
project stores for it. The window manager frames the windows a moment after they appear, so the
check waits a little for it.

Usage: framecheck.py PROJECT.bwp MAIN-TITLE-REGEX"""
import re
import struct
import subprocess
import sys
import time

TOOL_TITLES = {b"cWin": "^パーツ$", b"lWin": "^レイヤー$", b"pWin": "^プレビュー$"}


def stored_rectangles(path):
    data = open(path, "rb").read()
    records, at = {}, 12
    while at + 8 <= len(data):
        kind, size = data[at:at + 4], struct.unpack_from("<I", data, at + 4)[0]
        # A hidden tool window has no frame to check.
        if kind in (b"mWin", b"cWin", b"lWin", b"pWin") and (kind == b"mWin" or data[at + 26]):
            records[kind] = struct.unpack_from("<iiii", data, at + 8)
        at += 8 + size + (size & 1)
    return records


def run(*args):
    return subprocess.run(args, capture_output=True, text=True).stdout


def frame(title):
    ids = run("xdotool", "search", "--onlyvisible", "--name", title).split()
    if not ids:
        return None
    info = run("xwininfo", "-id", ids[0])
    x, y, w, h = (int(re.search(key + r":\s+(-?\d+)", info).group(1))
                  for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    extents = run("xprop", "-id", ids[0], "_NET_FRAME_EXTENTS")
    left, right, top, bottom = ([int(v) for v in re.findall(r"-?\d+", extents.split("=")[1])]
                                if "=" in extents else [0, 0, 0, 0])
    return (x - left, y - top, w + left + right, h + top + bottom)


def main():
    records = stored_rectangles(sys.argv[1])
    titles = dict(TOOL_TITLES)
    titles[b"mWin"] = sys.argv[2]
    for _ in range(50):
        found = {kind: frame(titles[kind]) for kind in records}
        if all(found[kind] == records[kind] for kind in records):
            break
        time.sleep(0.1)
    for kind in sorted(records):
        print("e2e: %s stored %s, frame %s" % (kind.decode(), records[kind], found[kind]))
    return 0 if all(found[kind] == records[kind] for kind in records) else 1


if __name__ == "__main__":
    sys.exit(main())
