#!/usr/bin/env bash
# Takes a screenshot of Lumaro's main window under Xvfb into docs/screenshot.png.
# Usage: scripts/screenshot.sh [build folder]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
program="$build/bin/lumaro"
out="$root/docs/screenshot.png"
[ -x "$program" ] || { echo "no $program: build first (make run or make test)" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (package xvfb)" >&2; exit 1; }
command -v import >/dev/null || { echo "import is missing (package imagemagick)" >&2; exit 1; }

# A private home, so the screenshot shows a first start and touches no real settings.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$(dirname "$out")"

[ "$(id -u)" = 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---ignore-gpu-blocklist}"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home" TMPDIR="$home"
export LUMARO_SHOT="$out" LUMARO_PROGRAM="$program"

xvfb-run -a -s "-screen 0 900x800x24" bash -c '
    "$LUMARO_PROGRAM" >/dev/null 2>&1 &
    pid=$!
    sleep "${LUMARO_SHOT_DELAY:-12}"   # window, skin and the template movie in Ruffle
    import -window root "$LUMARO_SHOT"
    convert "$LUMARO_SHOT" -trim +repage "$LUMARO_SHOT"   # the window, without the empty screen
    kill -TERM "$pid"
    wait "$pid" || true
'
echo "wrote $out"
