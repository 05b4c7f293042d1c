#!/bin/sh
# Builds the stall benchmark, makes 1,000 photos (1600 x 1200 JPEGs, every other one turned by
# EXIF orientation 6) and 50 ten-second stereo WAV clips, and measures the GUI thread's stalls while the
# real window imports, previews and publishes them, adds the clips in Edit Audio and moves the
# workspace; then with 5,000 photos in the strip, scrolling and selecting, and their memory.
# Runs under xvfb-run when there is no display.
# Usage: bench/stall/run.sh [build folder] [photos, default 1000] [strip photos, default 5000]
set -e
# The web engine refuses its sandbox to root (CI and this machine run as root).
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
photos=${2:-1000}
strip=${3:-5000}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARO_BENCH=ON
cmake --build "$build" --target bench_stall lumaro kvt velminfo templates skins ruffle -j2
data="$build/bench/stall-data-$photos"
if [ ! -f "$data/done" ]; then
    rm -rf "$data" && mkdir -p "$data/photos" "$data/clips"
    ffmpeg -v error -f lavfi -i "testsrc2=size=1600x1200:rate=1" -frames:v "$photos" -q:v 3 \
        "$data/photos/photo%04d.jpg"
    i=0
    for f in "$data"/photos/photo*.jpg; do
        i=$((i + 1))
        [ $((i % 2)) -eq 0 ] && exiv2 -q -M"set Exif.Image.Orientation Short 6" "$f"
    done
    for i in $(seq 10 59); do
        ffmpeg -v error -f lavfi -i "sine=frequency=$((i * 20)):duration=10" -ac 2 \
            "$data/clips/clip$i.wav"
    done
    touch "$data/done"
fi
run() {
    if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then "$@"; else xvfb-run -a "$@"; fi
}
run "$build/bench/bench_stall" window "$build/bin" "$data/photos" "$data/clips"
run "$build/bench/bench_stall" strip "$build/bin" "$strip"
