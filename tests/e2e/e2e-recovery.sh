#!/usr/bin/env bash
# End to end for recovery copies under a virtual X display: paint in the sample, wait for the
# recovery copy, check that a second editor started meanwhile is not offered it, kill -9 the
# first editor, start a third on another file, restore the copy with Enter, check that Ctrl+S
# writes the painted cells to the sample's own path and that no copy is left.
# Usage: tests/e2e/e2e-recovery.sh [build/release/bin]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
export BIN="${1:-$root/build/release/bin}"
# shellcheck source=tests/e2e/lib.sh
. "$root/tests/e2e/lib.sh"

cp "$root/examples/sample.bwp" "$root/examples/parts.bmp" "$work/"
cp "$work/sample.bwp" "$work/other.bwp"
cp "$work/sample.bwp" "$work/saved.bwp"
"$cli" export "$work/sample.bwp" "$work/start.fmf" || fail "brimwell-cli export"
read -r pick_x pick_y part pen_x pen_y _ < <(python3 "$root/tests/e2e/fmfcheck.py" plan "$work/start.fmf")
cell() { echo $(($1 * 32 + 16)) $(($2 * 32 + 49 + 16)); }
copies() { find "$recovery" -name '*.bwp' 2>/dev/null | wc -l; }
# The first visible window whose title matches `$1`, waiting up to 20 s; windows that come and
# go meanwhile may make a single search fail.
find_window() {
  local found=""
  for _ in $(seq 200); do
    found="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)" || true
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}
# The recovery question is the only window captioned exactly "Brimwell".
question() { xdotool search --onlyvisible --name '^Brimwell$' 2>/dev/null | head -n 1 || true; }

start_display
start_editor "$work/sample.bwp" '^Brimwell sample\.bwp'
first_pid=$editor_pid
xdotool mousemove --sync --window "$window" $(cell "$pick_x" "$pick_y") && sleep 0.2
xdotool click 3 && sleep 0.3
xdotool mousemove --sync --window "$window" $(cell "$pen_x" "$pen_y") && sleep 0.2
xdotool click 1 && sleep 0.3
for _ in $(seq 150); do [ "$(copies)" -ge 1 ] && break; sleep 0.1; done
[ "$(copies)" -eq 1 ] || fail "no recovery copy a few seconds after painting"

# A second editor while the first runs: not offered the first one's copy.
"$editor" >"$work/second.log" 2>&1 &
second_pid=$!
pids+=("$second_pid")
second="$(find_window '^Brimwell 名称未設定')" ||
  fail "the second editor's window did not appear"
sleep 2
[ -z "$(question)" ] || fail "the second editor offered the running editor's copy"
xdotool windowactivate --sync "$second" >/dev/null 2>&1 || xdotool windowfocus --sync "$second"
editor_pid=$second_pid
quit_editor
[ "$(copies)" -eq 1 ] || fail "the second editor's exit touched the first one's copy"

{ kill -9 "$first_pid" && wait "$first_pid"; } 2>/dev/null || true

# A third editor, on another file: the file opens, then the question comes; Enter restores.
start_editor "$work/other.bwp" '^Brimwell other\.bwp'
box="$(find_window '^Brimwell$')" || fail "the restart did not offer the killed editor's copy"
xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus --sync "$box"
sleep 0.3
xdotool key --clearmodifiers Return
window="$(find_window '^Brimwell sample\.bwp')" ||
  fail "the restored document does not carry the sample's name"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
sleep 0.5
cmp -s "$work/sample.bwp" "$work/saved.bwp" || fail "restoring wrote to the sample before Ctrl+S"
xdotool key --clearmodifiers ctrl+s
wait_for_save "$work/sample.bwp" "$work/saved.bwp"
[ -z "$(question)" ] || fail "Ctrl+S on the restored document asked something"
"$cli" export "$work/sample.bwp" "$work/restored.fmf" || fail "brimwell-cli export of the saved sample"
python3 "$root/tests/e2e/fmfcheck.py" check "$work/start.fmf" "$work/restored.fmf" \
  "$part" "$pen_x" "$pen_y" || fail "the restored and saved cells are not the painted ones"
[ "$(copies)" -eq 0 ] || fail "a recovery copy is left after saving the restored document"
quit_editor
[ -z "$(ls -A "$recovery" 2>/dev/null)" ] || fail "files left in the recovery folder: $(ls -A "$recovery")"
echo "e2e: recovery copy written, kept from a second editor, restored after kill -9 and saved"
