#!/usr/bin/env bash
# Regenerates the skin artwork in modules/img/skin1 and modules/img/skin2 with
# the painter in scripts/skinpainter (the pictures are not edited by hand).
# The shared build directory is used through its lock.
# Usage: scripts/gen_skins.sh
set -euo pipefail
cd "$(dirname "$0")/.."
lock=/tmp/q3build.lock
if [ ! -f build/CMakeCache.txt ]; then
  flock "$lock" cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
flock "$lock" cmake --build build --target skinpainter

# Paint into a fresh folder first, so a failed run leaves the shipped skins alone
# and pictures that are no longer painted disappear.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/bin/skinpainter "$work"
for skin in "$work"/skin*; do
  name=$(basename "$skin")
  rm -rf "modules/img/$name"
  cp -r "$skin" "modules/img/$name"
done
echo "gen_skins: wrote $(find "$work" -type f -name '*.png' | wc -l) pictures into modules/img"
