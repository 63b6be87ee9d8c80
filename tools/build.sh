#!/usr/bin/env bash
# Configures and builds into build/ at the repository root: the targets named,
# or everything.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [[ $# -gt 0 ]]; then
    cmake --build "$root/build" -j"$(nproc)" --target "$@"
else
    cmake --build "$root/build" -j"$(nproc)"
fi
