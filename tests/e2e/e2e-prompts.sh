#!/usr/bin/env bash
# End to end under a virtual X display with a window manager: what the editor asks stands above
# its tool windows and the progress window, and the question about a parts image changed by
# another program comes once per return to the editor, through the real activation of the
# application: declining it does not bring it back until the user has been in another program.
# Last, the parts window's zoom keys as X delivers them.
# Usage: tests/e2e/e2e-prompts.sh [build/release/bin]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
export BIN="${1:-$root/build/release/bin}"
# shellcheck source=tests/e2e/lib.sh
. "$root/tests/e2e/lib.sh"

mkdir "$work/lost"
cp "$root/examples/sample.bwp" "$work/lost/"
cp "$root/examples/sample.bwp" "$root/examples/parts.bmp" "$work/"
cp "$work/sample.bwp" "$work/saved.bwp"

# The visible box titled `$1`, waited for up to `$2` tenths of a second; empty when none came.
find_box() {
  local box=""
  for _ in $(seq "$2"); do
    box="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)" || true
    [ -n "$box" ] && break
    sleep 0.1
  done
  echo "$box"
}

# Waits up to 3 s for window `$1` to close.
wait_gone() {
  for _ in $(seq 30); do
    xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 0
    sleep 0.1
  done
  fail "the box $1 did not close"
}

# Fails unless box `$1` stands above every shown window of the editor that stays on top.
check_on_top() {
  python3 - "$1" <<'PY' || fail "the box $1 stands under a tool window or the progress window"
import subprocess, sys
box = int(sys.argv[1])
out = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], capture_output=True,
                     text=True, check=True).stdout
stack = [int(w, 16) for w in out.split("#", 1)[1].replace(",", " ").split()]
def name(w):
    return subprocess.run(["xdotool", "getwindowname", str(w)], capture_output=True,
                          text=True).stdout.strip()
covers = [name(w) for w in stack[stack.index(box) + 1:]]
above = [n for n in covers if n in ("パーツ", "レイヤー", "プレビュー", "進行状況")]
assert not above, "above the box: %s" % above
below = {name(w) for w in stack[:stack.index(box)]}
print("e2e: box above", sorted(n for n in below if n))
PY
}

# Answers box `$1` titled `$3` with the keys `$2`; fails when such a box shows again within a
# second (the fault brought it back within milliseconds, forever).
answer_once() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers "$2"
  wait_gone "$1"
  [ -z "$(find_box "$3" 10)" ] || fail "the box $3 came back after $2"
}

# Another program is active for a moment, then the editor's main window again. Without --sync
# there: a box that takes the activation from the main window would make xdotool wait in vain.
visit_other_program() {
  xdotool windowactivate --sync "$other" >/dev/null 2>&1
  sleep 0.5
  xdotool windowactivate "$window" >/dev/null 2>&1
}

start_display

# Opening a project whose parts image is missing: one box per layer, above the progress window.
"$editor" "$work/lost/sample.bwp" >"$work/lost.log" 2>&1 &
lost_pid=$!
pids+=("$lost_pid")
for n in 1 2 3; do
  box="$(find_box 情報 300)"
  [ -n "$box" ] || fail "no box $n for the missing parts image"
  [ "$n" -gt 1 ] || check_on_top "$box"
  xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers Return
  wait_gone "$box"
done
window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Brimwell sample\.bwp' | head -n 1)" ||
  fail "the project without its image did not open"
editor_pid=$lost_pid
quit_editor

xmessage -geometry +1000+800 "another program" >/dev/null 2>&1 &
pids+=($!)
other="$(timeout 10 xdotool search --sync --onlyvisible --name '^xmessage$' | head -n 1)" ||
  fail "xmessage did not show"
start_editor "$work/sample.bwp" '^Brimwell sample\.bwp'

# The image changes while the user is elsewhere; back in the editor, the question comes once.
xdotool windowactivate --sync "$other" >/dev/null 2>&1
touch -d '+1 minute' "$work/parts.bmp"
sleep 0.5
xdotool windowactivate "$window" >/dev/null 2>&1
box="$(find_box 情報 50)"
[ -n "$box" ] || fail "no question about the changed image"
check_on_top "$box"
answer_once "$box" alt+n 情報

# The next real return asks again; yes reloads, and then nothing is asked.
visit_other_program
box="$(find_box 情報 50)"
[ -n "$box" ] || fail "no question after coming back from another program"
answer_once "$box" alt+y 情報
visit_other_program
[ -z "$(find_box 情報 10)" ] || fail "asked again about an image already reloaded"

# The image disappears: the error box comes once per return, too.
rm "$work/parts.bmp"
visit_other_program
box="$(find_box エラー 50)"
[ -n "$box" ] || fail "no error box for the vanished image"
check_on_top "$box"
answer_once "$box" Return エラー

# Ctrl+Alt+keypad plus and minus zoom the parts window. A standard keymap makes them
# XF86Next_VMode and XF86Prev_VMode with a screen-mode action, and an X server that carries the
# action out keeps the keys; with the action taken out of the keymap it passes them on.
xkbcomp -xkb "$DISPLAY" "$work/keymap.xkb" 2>/dev/null
python3 - "$work/keymap.xkb" <<'PY' || fail "the keymap has no video-mode keys"
import re, sys
text = open(sys.argv[1]).read()
plain, n = re.subn(r"(interpret XF86(Next|Prev)_VMode[^{]*\{[^}]*?)action= *Private\([^;]*;",
                   r"\1action= NoAction();", text)
assert n == 2, n
open(sys.argv[1], "w").write(plain)
PY
xkbcomp -w0 "$work/keymap.xkb" "$DISPLAY" 2>/dev/null || fail "xkbcomp could not load the keymap"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
for key in ctrl+alt+KP_Add ctrl+alt+KP_Add ctrl+alt+KP_Subtract; do
  xdotool key --clearmodifiers "$key"
  sleep 0.2
done
# A stroke of the pen, so that there is something to save.
xdotool mousemove --sync --window "$window" 120 160 click 1
sleep 0.2
xdotool key --clearmodifiers ctrl+s
wait_for_save "$work/sample.bwp" "$work/saved.bwp"
python3 - "$work/sample.bwp" <<'PY' || fail "the parts window did not zoom on Ctrl+Alt+keypad plus and minus"
import struct, sys
data = open(sys.argv[1], "rb").read()
at = 12
while data[at:at + 4] != b"cWin":
    at += 8 + struct.unpack_from("<I", data, at + 4)[0]
zoom = struct.unpack_from("<H", data, at + 8 + 16)[0]
assert zoom == 38 * 256 // 32, zoom  # 32 -> 38 -> 44 -> 38 pixels per part
PY

quit_editor
echo "e2e: boxes on top, each asked once per return to the editor; parts zoom keys work"
