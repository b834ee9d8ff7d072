#!/usr/bin/env bash
# End to end under a virtual X display: the editor started with --lang en shows an English
# title; Help > 言語 (Language) > 日本語 switches it to Japanese at once and remembers the
# choice, which the next start follows; BRIMWELL_LANG=en beats the remembered choice.
# Usage: tests/e2e/e2e-english.sh [build/release/bin]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
export BIN="${1:-$root/build/release/bin}"
# shellcheck source=tests/e2e/lib.sh
. "$root/tests/e2e/lib.sh"
export XDG_CONFIG_HOME="$work/config"  # never the user's settings
unset BRIMWELL_LANG

# Starts the editor with `$@` and waits for a main window titled `$title`.
start() {
  "$editor" "$@" >"$work/editor.log" 2>&1 &
  editor_pid=$!
  pids+=("$editor_pid")
  window="$(timeout 30 xdotool search --sync --onlyvisible --name "$title" | head -n 1)" ||
    fail "no window titled $title after starting with $*"
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
  sleep 0.5
}

wait_for_title() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" >/dev/null ||
    fail "the title did not become $1"
}

start_display
title='^Brimwell Untitled\(8bit\)  @ 100%\(レイヤー0\)$'
start --lang en
# The language item is the Help menu's first; its submenu opens with Right, 日本語 first.
xdotool key --clearmodifiers --delay 300 alt+h Right Return
wait_for_title '^Brimwell 名称未設定\(8bit\)'
quit_editor
grep -q '^language=ja$' "$XDG_CONFIG_HOME/Brimwell/Brimwell.conf" ||
  fail "the language menu did not remember Japanese"

title='^Brimwell 名称未設定'
start
quit_editor
title='^Brimwell Untitled'
BRIMWELL_LANG=en start
quit_editor
echo "e2e: English interface passed"
