#!/usr/bin/env bash
# Renders the windows with the snapshots tool and copies the pictures the manual shows into
# desktop/manual/pictures/, so the manual pictures the windows as they are. Commit the result.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build build --target snapshots
rendered=$(mktemp -d)
trap 'rm -rf "$rendered"' EXIT
QT_QPA_PLATFORM=offscreen build/tools/snapshots/snapshots "$rendered" >/dev/null
for picture in $(grep -o 'pictures/[a-z0-9_]*\.png' desktop/manual/index.html | sort -u); do
  cp "$rendered/${picture#pictures/}" "desktop/manual/$picture"
  echo "desktop/manual/$picture"
done
