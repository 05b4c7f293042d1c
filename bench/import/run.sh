#!/bin/sh
# Builds the import benchmark, makes N camera-sized photos (4000 x 3000 JPEGs with grain, every
# other one carrying EXIF orientation 6) and runs it for each N, RUNS times (default 3) at one
# worker and at one per core.
# Usage: [RUNS=n] bench/import/run.sh [build folder] [N ...]   (defaults: build, 20 80)
set -e
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build}
[ $# -gt 0 ] && shift
counts=${*:-20 80}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target bench_import -j2
for n in $counts; do
    photos="$build/bench/import-photos-$n"
    if [ ! -f "$photos/done" ]; then
        rm -rf "$photos" && mkdir -p "$photos"
        ffmpeg -v error -f lavfi -i "testsrc2=size=4000x3000:rate=1,noise=alls=10:allf=t" \
            -frames:v "$n" -q:v 2 "$photos/photo%04d.jpg"
        i=0
        for f in "$photos"/photo*.jpg; do
            i=$((i + 1))
            orientation=1
            [ $((i % 2)) -eq 0 ] && orientation=6
            exiv2 -q -M"set Exif.Image.Orientation Short $orientation" \
                -M"set Exif.Image.Make Ascii Bench" -M"set Exif.Image.Model Ascii Camera" "$f"
        done
        touch "$photos/done"
    fi
    "$build/bench/bench_import" "$photos" "${RUNS:-3}"
done
