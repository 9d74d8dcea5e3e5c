#!/usr/bin/env bash
# The shipped skin pictures are exactly what the painter produces, and every
# skin has the same set of pictures.
# Usage: skins_generated.sh PATH_TO_SKINPAINTER PATH_TO_MODULES_IMG
set -euo pipefail
painter=$1
shipped=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

QT_QPA_PLATFORM=offscreen "$painter" "$work" >/dev/null
failed=0
list() { (cd "$1" && find . -type f | sort); }

for skin in "$work"/skin*; do
  name=$(basename "$skin")
  if [ ! -d "$shipped/$name" ]; then
    echo "FAIL: $name is painted but not shipped in $shipped"
    failed=1
    continue
  fi
  if ! diff <(list "$skin") <(list "$shipped/$name") >"$work/$name.diff"; then
    echo "FAIL: the pictures of $name differ from the painted set (< painted, > shipped):"
    cat "$work/$name.diff"
    failed=1
  fi
  while read -r f; do
    if [ -f "$shipped/$name/$f" ] && ! cmp -s "$skin/$f" "$shipped/$name/$f"; then
      echo "FAIL: $name/${f#./} differs from the painter's output"
      failed=1
    fi
  done < <(list "$skin")
done
for skin in "$shipped"/skin*; do
  [ -d "$work/$(basename "$skin")" ] || { echo "FAIL: $(basename "$skin") is shipped but not painted"; failed=1; }
done

# Every skin holds the same file names as skin1.
for skin in "$shipped"/skin*; do
  if ! diff <(list "$shipped/skin1") <(list "$skin") >/dev/null; then
    echo "FAIL: $(basename "$skin") does not have the same pictures as skin1"
    failed=1
  fi
done

count=$(find "$work" -type f | wc -l)
if [ "$count" -eq 0 ]; then
  echo "FAIL: the painter wrote nothing"
  failed=1
fi
if [ "$failed" -ne 0 ]; then
  echo "Regenerate with scripts/gen_skins.sh"
  exit 1
fi
echo "skins_generated: $count pictures match"
