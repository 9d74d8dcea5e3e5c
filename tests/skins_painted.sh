#!/usr/bin/env bash
# The skins the build painted into bin/modules/img: the painter gives the same
# bytes on a second run on this machine (so the build's pictures are its
# output and a rebuild changes nothing), and every skin has the same set of
# pictures. Whether the scene finds every picture it names is checked by
# tests/qml/tst_skinpictures.qml.
# Usage: skins_painted.sh PATH_TO_SKINPAINTER PATH_TO_BUILT_MODULES_IMG
set -euo pipefail
painter=$1
built=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

list() { (cd "$1" && find . -type f | sort); }
failed=0
fail() { echo "FAIL: $*"; failed=1; }

QT_QPA_PLATFORM=offscreen "$painter" "$work/again" >/dev/null
count=$(find "$work/again" -type f -name '*.png' | wc -l)
[ "$count" -gt 0 ] || fail "the painter wrote no pictures"

# Same machine, same painter: byte for byte.
if ! diff <(list "$work/again") <(list "$built") >"$work/set.diff"; then
  fail "the built pictures are not the painter's set (< painted now, > built):"
  cat "$work/set.diff"
fi
while read -r f; do
  [ -f "$built/$f" ] || continue
  cmp -s "$work/again/$f" "$built/$f" || fail "${f#./} differs between two runs of the painter"
done < <(list "$work/again")

# Every skin holds the same picture names as skin1, and there are two skins.
skins=("$built"/skin*)
[ "${#skins[@]}" -ge 2 ] || fail "fewer than two skins in $built"
for skin in "${skins[@]}"; do
  if ! diff <(list "$built/skin1") <(list "$skin") >"$work/skin.diff"; then
    fail "$(basename "$skin") does not have the same pictures as skin1:"
    cat "$work/skin.diff"
  fi
done

# Every picture is a PNG file.
while read -r f; do
  head -c 8 "$built/$f" | cmp -s - <(printf '\x89PNG\r\n\x1a\n') || fail "${f#./} is not a PNG"
done < <(list "$built")

[ "$failed" -eq 0 ] || exit 1
echo "skins_painted: $count pictures, painted alike twice, same set in every skin"
