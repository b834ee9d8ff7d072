#!/usr/bin/env bash
# End to end under a virtual X display: the editor opens a project named on its command line,
# the pen paints in the view, Ctrl+S saves, Ctrl+Q quits, and the saved file is checked with
# brimwell-cli. Usage: tests/e2e/e2e.sh [build/release/bin]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
export BIN="${1:-$root/build/release/bin}"
# shellcheck source=tests/e2e/lib.sh
. "$root/tests/e2e/lib.sh"

# A 40 x 30 map of 16-pixel parts, every cell holding part 5: wider and taller than the view.
python3 - "$work/start.fmf" <<'PY'
import struct, sys
w, h = 40, 30
with open(sys.argv[1], "wb") as f:
    f.write(b"FMF_" + struct.pack("<III", w * h, w, h) + bytes([16, 16, 1, 8]) + bytes([5]) * (w * h))
PY
"$cli" import "$work/start.fmf" "$work/map.bwp" || fail "brimwell-cli import"
"$cli" export "$work/map.bwp" "$work/before.csv" --format csv1 || fail "brimwell-cli export"

start_display
start_editor "$work/map.bwp" '^Brimwell map\.bwp'
python3 "$root/tests/e2e/framecheck.py" "$work/map.bwp" '^Brimwell map\.bwp' ||
  fail "the windows are not where the project puts them"

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
quit_editor

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
