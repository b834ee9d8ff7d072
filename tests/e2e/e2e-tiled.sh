#!/usr/bin/env bash
# End to end with Tiled's own renderer: the sample project goes out as TMX and JSON, Tiled's
# tmxrasterizer draws the TMX to the same pixels as our bitmap export (also with a layer hidden
# in the TMX and the map read back from it), and the TMX comes back to a project whose layers
# (cells, names, visibility, images) and settings equal the sample's, also after Tiled itself
# has opened and saved it, and also for layers without a parts image.
# Usage: tests/e2e/e2e-tiled.sh [build/release/bin]    (needs tmxrasterizer and ImageMagick)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:-$root/build/release/bin}"
cli="$bin/brimwell-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "e2e-tiled: FAILED: $*" >&2; exit 1; }
for tool in tiled tmxrasterizer convert compare; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -x "$cli" ] || fail "build $cli first"
export QT_QPA_PLATFORM=offscreen  # tmxrasterizer needs no display this way

# Same pixels: Tiled leaves undrawn pixels transparent where our bitmap has black.
same_picture() {  # project.bwp map.tmx
  "$cli" export "$1" "$work/ours.bmp" || fail "bitmap export of $1"
  tmxrasterizer "$2" "$work/tiled.png" 2>/dev/null || fail "tmxrasterizer $2"
  convert "$work/tiled.png" -background black -flatten -alpha off "$work/tiled.bmp"
  local differing
  differing=$(compare -metric AE "$work/ours.bmp" "$work/tiled.bmp" null: 2>&1) || true
  [ "$differing" = "0" ] || fail "$2: $differing pixels differ from our bitmap export"
}

mkdir "$work/out"
cp "$root/examples/sample.bwp" "$root/examples/parts.bmp" "$work/"
"$cli" export "$work/sample.bwp" "$work/out/sample.tmx" || fail "TMX export"
"$cli" export "$work/sample.bwp" "$work/out/sample.tmj" || fail "JSON export"
grep -q 'source="../parts.bmp"' "$work/out/sample.tmx" || fail "image path not relative"
same_picture "$work/sample.bwp" "$work/out/sample.tmx"

# Tiled opens our maps and saves them in its own way.
tiled --export-map "$work/out/sample.tmx" "$work/out/tiled.tmx" 2>/dev/null || fail "Tiled cannot open the TMX"
tiled --export-map "$work/out/sample.tmj" "$work/out/tiled.tmj" 2>/dev/null || fail "Tiled cannot open the JSON"

# Back to projects, beside the original so that the image paths read the same.
same_project() {  # original.bwp map
  "$cli" --strict import "$work/out/$2" "$work/back.bwp" || fail "import of $2"
  for format in csv2 fmf; do
    "$cli" export "$1" "$work/a.$format" --format $format
    "$cli" export "$work/back.bwp" "$work/b.$format" --format $format
    cmp -s "$work/a.$format" "$work/b.$format" || fail "$2: the cells differ ($format)"
  done
  diff <("$cli" info --json "$1") <("$cli" info --json "$work/back.bwp") ||
    fail "$2: names, visibility, images or comment differ"
}
for map in sample.tmx sample.tmj tiled.tmx tiled.tmj; do same_project "$work/sample.bwp" $map; done

# Layers without a parts image keep their part numbers, through Tiled too.
"$cli" export "$work/sample.bwp" "$work/plain.fmf"
"$cli" import "$work/plain.fmf" "$work/plain.bwp"
"$cli" export "$work/plain.bwp" "$work/out/plain.tmx"
tiled --export-map "$work/out/plain.tmx" "$work/out/plain-tiled.tmj" 2>/dev/null || fail "Tiled cannot open plain.tmx"
for map in plain.tmx plain-tiled.tmj; do same_project "$work/plain.bwp" $map; done

# A layer hidden in Tiled stays hidden through the import, and neither renderer draws it.
python3 - "$work/out/sample.tmx" "$work/out/hidden.tmx" <<'PY'
import sys
text = open(sys.argv[1], encoding="utf-8").read()
at = text.rindex("<layer ")
open(sys.argv[2], "w", encoding="utf-8").write(text[:at] + text[at:].replace("<layer ", '<layer visible="0" ', 1))
PY
"$cli" --strict import "$work/out/hidden.tmx" "$work/hidden.bwp" || fail "import of hidden.tmx"
"$cli" info "$work/hidden.bwp" | grep -q '2: 装飾 (hidden)' || fail "the hidden layer came back visible"
same_picture "$work/hidden.bwp" "$work/out/hidden.tmx"
echo "e2e-tiled: passed"
