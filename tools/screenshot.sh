#!/usr/bin/env bash
# Screenshots of the real window under Xvfb: after start-up and after opening
# the demo image. Writes screenshot-start.png and screenshot-loaded.png into
# the folder given (default: build/screenshots).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build/screenshots}" && cd "${1:-$root/build/screenshots}" && pwd)
start=$(mktemp -d)
trap 'rm -rf "$start"' EXIT
cp -r "$root/assets/." "$start/"
"$root/build/tools/demo/make_demo_image" "$start/Dunmora.nes"
cd "$start"
xvfb-run -a -s "-screen 0 1024x768x24" \
    "$root/build/tools/screenshot/window_screenshot" "$start/Dunmora.nes" \
    "$out/screenshot-start.png" "$out/screenshot-loaded.png"
echo "$out/screenshot-start.png $out/screenshot-loaded.png"
