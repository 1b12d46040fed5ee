#!/usr/bin/env bash
# Installs what is missing, builds Orvane with its tests and runs every test.
# ORVANE_BUILD_DIR picks the build folder; extra arguments go to CMake's configure step.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD_DIR:-$top/build}
"$top/tools/deps.sh"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
exec 9>"/tmp/orvane-build.lock"
flock 9
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j1
