# Shared by the end-to-end scripts: a private X display with a window manager, the editor on
# it, and failure reports with a screenshot. Source it after setting `root`.
bin="${BIN:-$root/build/release/bin}"
editor="$bin/brimwell"
cli="$bin/brimwell-cli"
work="$(mktemp -d)"
pids=()
# The editors' per-user data (recovery copies) stays inside the test, away from the user's.
export XDG_DATA_HOME="$work/data"
recovery="$XDG_DATA_HOME/Brimwell/recovery"

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

# A free display and its window manager; exports DISPLAY. E2E_DISPLAY (or E2E_DISPLAY_NUMBER)
# names the number to try first.
start_display() {
  local display="" n
  for n in ${E2E_DISPLAY:-${E2E_DISPLAY_NUMBER:-}} $(seq 90 130); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || fail "no free X display number"
  Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  export DISPLAY="$display"
  for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
  xdotool getmouselocation >/dev/null 2>&1 || fail "Xvfb did not start on $display"
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  sleep 0.5
  unset QT_QPA_PLATFORM
}

# Starts the editor on `$1` and waits for its main window titled `$2` (a regular expression);
# sets editor_pid and window.
start_editor() {
  "$editor" "$1" >"$work/editor.log" 2>&1 &
  editor_pid=$!
  pids+=("$editor_pid")
  window="$(timeout 30 xdotool search --sync --onlyvisible --name "$2" | head -n 1)" ||
    fail "the editor's window titled $2 did not appear"
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
  sleep 0.5
}

# Waits until `$1` differs from the copy `$2` (the editor has saved), then refreshes the copy.
wait_for_save() {
  for _ in $(seq 100); do
    cmp -s "$1" "$2" || { cp "$1" "$2"; return 0; }
    sleep 0.1
  done
  fail "the editor did not save $1"
}

quit_editor() {
  xdotool key --clearmodifiers ctrl+q
  for _ in $(seq 100); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$editor_pid" 2>/dev/null && fail "the editor did not quit on Ctrl+Q (unsaved changes?)"
  wait "$editor_pid" || fail "the editor exited with status $?"
}
