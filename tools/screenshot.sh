#!/usr/bin/env bash
# Screenshots of the real window under Xvfb: after start-up and after opening
# the demo image. Writes screenshot-start.png and screenshot-loaded.png into
# the folder given (default: build/screenshots). DUNMORA_BUILD_DIR names the
# build folder when it is not build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${DUNMORA_BUILD_DIR:-$root/build}
out=$(mkdir -p "${1:-$build/screenshots}" && cd "${1:-$build/screenshots}" && pwd)
start=$(mktemp -d)
trap 'rm -rf "$start"' EXIT
cp -r "$root/assets/." "$start/"
"$build/tools/demo/make_demo_image" "$start/Dunmora.nes"
cd "$start"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/tools/screenshot/window_screenshot" "$start/Dunmora.nes" \
    "$out/screenshot-start.png" "$out/screenshot-loaded.png"
echo "$out/screenshot-start.png $out/screenshot-loaded.png"
