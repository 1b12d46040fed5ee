#!/usr/bin/env bash
# Installs what is missing, builds Orvane and starts it from its program folder.
# Without a display it runs on a virtual one, saves a screenshot of the started
# window and says where.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD_DIR:-$top/build}
"$top/tools/deps.sh"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
(
    exec 9>"/tmp/orvane-build.lock"
    flock 9
    cmake --build "$build" -j"$(nproc)" --target orvane
)
stage="$build/stage"
cd "$stage"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec ./orvane
fi
shot="$build/screenshots/start.png"
mkdir -p "$(dirname "$shot")"
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    ./orvane & pid=$!
    for i in $(seq 1 40); do
        xdotool search --name "^Orvane$" >/dev/null 2>&1 && break
        sleep 0.25
    done
    sleep 2
    import -window root "$1"
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
' _ "$shot"
echo "No display: Orvane ran on a virtual display. Screenshot of the started window: $shot"
