#!/bin/sh
# Builds the HEIC import benchmark, makes one 12-megapixel HEIC (4032 x 3024, a test pattern with
# grain, as heif-enc encodes it at quality 80) and runs it RUNS times (default 5).
# Usage: [RUNS=n] bench/heic/run.sh [build folder]
set -e
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target bench_heic -j2
photo="$build/bench/heic-photo/phone.heic"
if [ ! -f "$photo" ]; then
    mkdir -p "$(dirname "$photo")"
    ffmpeg -v error -y -f lavfi -i "testsrc2=size=4032x3024:rate=1,noise=alls=10:allf=t" \
        -frames:v 1 "$build/bench/heic-photo/master.png"
    heif-enc -q 80 -o "$photo" "$build/bench/heic-photo/master.png" >/dev/null
fi
"$build/bench/bench_heic" "$photo" "${RUNS:-5}"
