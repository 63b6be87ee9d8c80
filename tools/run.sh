#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor in run/, a start
# directory holding the picture folders and a demo image. The demo image is
# made only when none is there, so edits survive the next run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh" DunmoraEditor make_demo_image
mkdir -p "$root/run"
cp -r "$root/assets/." "$root/run/"
[[ -f "$root/run/Dunmora.nes" ]] || "$root/build/tools/demo/make_demo_image" "$root/run/Dunmora.nes"
cd "$root/run"
exec "$root/build/src/DunmoraEditor"
