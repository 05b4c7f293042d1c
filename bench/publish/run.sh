#!/bin/sh
# Builds and runs the publish benchmark for 100 and 400 photos.
# Usage: bench/publish/run.sh [build folder] [runs]   (defaults: build, 3)
set -e
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build}
runs=${2:-3}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target bench_publish -j2
for n in 100 400; do
    "$build/bench/bench_publish" "$n" "$runs"
done
