#!/usr/bin/env bash
# End to end on the sample project under a virtual X display: pick a part from the map with the
# right button, paint it with the pen, flood-fill with it, save, undo the fill, save again, quit;
# each saved file is checked cell by cell through brimwell-cli's FMF export, and the hidden
# layer and preview windows keep their stored placement.
# Usage: tests/e2e/e2e-sample.sh [build/release/bin]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
export BIN="${1:-$root/build/release/bin}"
# shellcheck source=tests/e2e/lib.sh
. "$root/tests/e2e/lib.sh"

cp "$root/examples/sample.bwp" "$root/examples/parts.bmp" "$work/"
# The layer and preview windows start hidden: saving must keep their stored placement as it is.
records() {
  python3 - "$@" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
at = 12
while at + 8 <= len(data):
    kind, size = bytes(data[at:at + 4]), struct.unpack_from("<I", data, at + 4)[0]
    if kind in (b"lWin", b"pWin"):
        if len(sys.argv) > 2:
            data[at + 26] = 0
        print(kind.decode(), *struct.unpack_from("<iiiiHB", data, at + 8))
    at += 8 + size + (size & 1)
if len(sys.argv) > 2:
    open(sys.argv[1], "wb").write(data)
PY
}
records "$work/sample.bwp" hide >"$work/hidden.txt"
"$cli" export "$work/sample.bwp" "$work/start.fmf" || fail "brimwell-cli export"
cp "$work/sample.bwp" "$work/saved.bwp"

# Where to click: a decoration to pick, and two empty decoration cells for the pen and the fill,
# all well inside the part of the map that the sample's window shows.
read -r pick_x pick_y part pen_x pen_y fill_x fill_y < <(python3 "$root/tests/e2e/fmfcheck.py" plan "$work/start.fmf")

# Centre of a map cell in the main window: 32-pixel cells below the menu bar and the toolbar.
cell() { echo $(($1 * 32 + 16)) $(($2 * 32 + 49 + 16)); }

start_display
start_editor "$work/sample.bwp" '^Brimwell sample\.bwp'
python3 "$root/tests/e2e/framecheck.py" "$work/sample.bwp" '^Brimwell sample\.bwp' ||
  fail "the windows are not where the project puts them"

xdotool mousemove --sync --window "$window" $(cell "$pick_x" "$pick_y") && sleep 0.2
xdotool click 3 && sleep 0.3
xdotool mousemove --sync --window "$window" $(cell "$pen_x" "$pen_y") && sleep 0.2
xdotool click 1 && sleep 0.3
xdotool key --clearmodifiers F3 && sleep 0.2
xdotool mousemove --sync --window "$window" $(cell "$fill_x" "$fill_y") && sleep 0.2
xdotool click 1 && sleep 0.3
xdotool key --clearmodifiers ctrl+s
wait_for_save "$work/sample.bwp" "$work/saved.bwp"
"$cli" export "$work/sample.bwp" "$work/filled.fmf" || fail "brimwell-cli export after the fill"
python3 "$root/tests/e2e/fmfcheck.py" check "$work/start.fmf" "$work/filled.fmf" \
  "$part" "$pen_x" "$pen_y" "$fill_x" "$fill_y" || fail "the pen and the fill were not saved as painted"

xdotool key --clearmodifiers ctrl+z && sleep 0.3
xdotool key --clearmodifiers ctrl+s
wait_for_save "$work/sample.bwp" "$work/saved.bwp"
quit_editor
"$cli" info --json "$work/sample.bwp" >"$work/info.json" || fail "brimwell-cli info"
"$cli" export "$work/sample.bwp" "$work/undone.fmf" || fail "brimwell-cli export after the undo"
python3 "$root/tests/e2e/fmfcheck.py" check "$work/start.fmf" "$work/undone.fmf" \
  "$part" "$pen_x" "$pen_y" || fail "the undo of the fill was not saved"
records "$work/sample.bwp" >"$work/saved-hidden.txt"
cmp -s "$work/hidden.txt" "$work/saved-hidden.txt" ||
  fail "hidden windows moved: $(cat "$work/hidden.txt") became $(cat "$work/saved-hidden.txt")"
python3 - "$work/info.json" <<'PY' || fail "the saved project lost its layers or images"
import json, sys
info = json.load(open(sys.argv[1]))
assert (info["width"], info["height"]) == (40, 30), info
assert [l["name"] for l in info["layers"]] == ["地面", "建物", "装飾"], info["layers"]
assert all(l["image"].endswith("parts.bmp") and l["visible"] for l in info["layers"]), info["layers"]
PY
echo "e2e: sample painted, filled, undone and saved"
