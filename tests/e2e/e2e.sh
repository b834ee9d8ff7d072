#!/usr/bin/env bash
# End to end under a virtual X display: the editor opens a project named on its command line,
# the pen paints in the view, Ctrl+S saves, Ctrl+Q quits, and the saved file is checked with
# brimwell-cli. Usage: tests/e2e/e2e.sh [build/release/bin]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:-$root/build/release/bin}"
editor="$bin/brimwell"
cli="$bin/brimwell-cli"
work="$(mktemp -d)"
pids=()

fail() {
  echo "e2e: FAILED: $*" >&2
  if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
    import -window root "$work/failure.png" 2>/dev/null && echo "e2e: screen at $work/failure.png" >&2
  fi
  exit 1
}

cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[$i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -f "$work/failure.png" ] || rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb openbox xdotool xwininfo xprop python3; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -x "$editor" ] && [ -x "$cli" ] || fail "build $editor and $cli first"

# A 40 x 30 map of 16-pixel parts, every cell holding part 5: wider and taller than the view.
python3 - "$work/start.fmf" <<'PY'
import struct, sys
w, h = 40, 30
with open(sys.argv[1], "wb") as f:
    f.write(b"FMF_" + struct.pack("<III", w * h, w, h) + bytes([16, 16, 1, 8]) + bytes([5]) * (w * h))
PY
"$cli" import "$work/start.fmf" "$work/map.bwp" || fail "brimwell-cli import"
"$cli" export "$work/map.bwp" "$work/before.csv" --format csv1 || fail "brimwell-cli export"

# A free display, its window manager, and the editor.
display=""
for n in $(seq 90 130); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display number"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getmouselocation >/dev/null 2>&1 || fail "Xvfb did not start on $display"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 0.5

unset QT_QPA_PLATFORM
"$editor" "$work/map.bwp" >"$work/editor.log" 2>&1 &
editor_pid=$!
pids+=("$editor_pid")
window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Brimwell map\.bwp' | head -n 1)" ||
  fail "the editor's window with the project did not appear"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
sleep 0.5

# Each window's frame, title bar included, covers the rectangle that the project stores for it
# (the window manager frames the windows a moment after they appear).
python3 - "$work/map.bwp" <<'PY' || fail "the windows are not where the project puts them"
import re, struct, subprocess, sys, time
data = open(sys.argv[1], "rb").read()
records, at = {}, 12
while at + 8 <= len(data):
    kind, size = data[at:at + 4], struct.unpack_from("<I", data, at + 4)[0]
    if kind in (b"mWin", b"cWin", b"lWin", b"pWin"):
        records[kind] = struct.unpack_from("<iiii", data, at + 8)
    at += 8 + size + (size & 1)
titles = {b"mWin": "^Brimwell map\\.bwp", b"cWin": "^パーツ$", b"lWin": "^レイヤー$", b"pWin": "^プレビュー$"}

def frame(title):
    wid = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                         capture_output=True, text=True).stdout.split()[0]
    info = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True).stdout
    x, y, w, h = (int(re.search(key + r":\s+(-?\d+)", info).group(1)) for key in
                  ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    extents = subprocess.run(["xprop", "-id", wid, "_NET_FRAME_EXTENTS"],
                             capture_output=True, text=True).stdout
    l, r, t, b = (int(v) for v in re.findall(r"-?\d+", extents.split("=")[-1])) if "=" in extents else (0, 0, 0, 0)
    return (x - l, y - t, w + l + r, h + t + b)

for _ in range(50):
    found = {kind: frame(title) for kind, title in titles.items()}
    if all(found[k] == records[k] for k in records):
        break
    time.sleep(0.1)
for kind in records:
    print("e2e: %s stored %s, frame %s" % (kind.decode(), records[kind], found[kind]))
sys.exit(0 if all(found[k] == records[k] for k in records) else 1)
PY

# Paint with the pen (the tool at start, part 0 selected): two clicks well inside the view.
for point in "120 160" "260 300"; do
  xdotool mousemove --sync --window "$window" $point click 1
  sleep 0.2
done
xdotool key --clearmodifiers ctrl+s
for _ in $(seq 100); do
  "$cli" export "$work/map.bwp" "$work/after.csv" --format csv1 2>/dev/null &&
    ! cmp -s "$work/before.csv" "$work/after.csv" && break
  sleep 0.1
done
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$editor_pid" 2>/dev/null && fail "the editor did not quit on Ctrl+Q (unsaved changes?)"
wait "$editor_pid" || fail "the editor exited with status $?"

# The saved project: still the same map, and the painted cells hold part 0.
"$cli" info --json "$work/map.bwp" >"$work/info.json" || fail "brimwell-cli info"
python3 - "$work/info.json" "$work/before.csv" "$work/after.csv" <<'PY' || fail "the saved map is not what was painted"
import json, sys
info = json.load(open(sys.argv[1]))
assert (info["width"], info["height"], len(info["layers"])) == (40, 30, 1), info
before = open(sys.argv[2]).read().split()
after = open(sys.argv[3]).read().split()
assert len(before) == len(after) == 30, (len(before), len(after))
changed = [(y, x, a) for y, (rb, ra) in enumerate(zip(before, after))
           for x, (b, a) in enumerate(zip(rb.split(","), ra.split(","))) if a != b]
assert changed, "no cell changed"
assert all(a == "0" for _, _, a in changed), changed
print("e2e: %d cells painted and saved" % len(changed))
PY
echo "e2e: passed"
