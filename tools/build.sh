#!/usr/bin/env bash
# Builds the shared build folder under a lock, so two builds never run at once
# on this two-core machine. Arguments go to `cmake --build`.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD_DIR:-$top/build}
exec 9>"/tmp/orvane-build.lock"
flock 9
# Configure every time: new files and targets (globbed) are picked up at once.
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$top" -B "$build" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
else
    cmake "$build" >/dev/null
fi
cmake --build "$build" -j2 "$@"
