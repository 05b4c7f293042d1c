#!/bin/sh
# Start-up: the time from starting build/bin/lumaro to its window first shown, beside a minimal
# Qt program showing one web view, in turns, RUNS times each (default 7), best and median.
# Runs under xvfb-run when there is no display, with a private home so the user's settings
# are neither read nor changed.
# Usage: [RUNS=n] bench/startup/run.sh [build folder]
set -e
# The web engine refuses its sandbox to root (CI and this machine run as root).
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARO_BENCH=ON
cmake --build "$build" --target bench_startup bench_startup_webview lumaro templates skins ruffle -j2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
export XDG_CACHE_HOME="$home/.cache"
set -- "$build/bench/bench_startup" "$build/bin/lumaro" "$build/bench/bench_startup_webview" "${RUNS:-7}"
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then "$@"; else xvfb-run -a "$@"; fi
