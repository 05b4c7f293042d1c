#!/usr/bin/env bash
# Memory of a published gallery playing in headless Chromium with Ruffle, at each photo size:
# N camera-like photos (4:3, 4000 x 3000, ImageMagick plasma) published by lumaro-publish as one
# self-contained movie (the bundle decodes every photo, thumbnails included, from its full
# picture), played by tests/e2e-templates/drive.js until every photo is loaded and then for a
# few seconds more, with one photo opened large. The figure is the peak of the summed PSS
# (/proc/PID/smaps_rollup) of all of that Chromium's processes, sampled every 0.25 s.
#
#   [RUFFLE=folder] bench/ruffle-memory/run.sh [build folder] [N, default 36] [template, default "3D Grid"]
set -euo pipefail
build=$(realpath "${1:-build}")
count=${2:-36}
template=${3:-3D Grid}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/photos"
for i in $(seq -w 1 "$count"); do
    convert -size 1000x750 -seed "$((10#$i))" plasma:fractal -resize 4000x3000! \
        -quality 92 "$work/photos/IMG_$i.jpg"
done

peak_pss() { # the summed PSS in kB of the processes whose command line holds $1, once
    local total=0 pid
    for pid in $(pgrep -f -- "$1" || true); do
        total=$((total + $(awk '/^Pss:/ {print $2}' /proc/"$pid"/smaps_rollup 2>/dev/null || echo 0)))
    done
    echo "$total"
}

printf '| photo size | movie | peak PSS of the browser |\n|---|---|---|\n'
for size in standard hd fullhd; do
    out="$work/out-$size"
    mkdir -p "$out"
    "$build/bin/lumaro-publish" --template "$template" --profile swf --quality 85 \
        --photo-size "$size" --name show --output "$out" "$work/photos" >/dev/null 2>&1
    printf '[{"root":"%s","page":"host.html","swf":"show.swf","until":"s.loaded>=%s","shot":"%s/shot","shots":4,"interval":1000,"click":true}]' \
        "$out" "$count" "$work" >"$work/cases.json"
    node "$source_dir/tests/e2e-templates/drive.js" --ruffle "${RUFFLE:-$build/bin/ruffle}" --size 1920x1080 \
        --timeout 120000 --cases "$work/cases.json" >"$work/result-$size.json" &
    driver=$!
    peak=0
    while kill -0 "$driver" 2>/dev/null; do
        now=$(peak_pss "lumaro-chromium-")
        ((now > peak)) && peak=$now
        sleep 0.25
    done
    grep -q '"ok":true' "$work/result-$size.json" || echo "($size: the gallery did not finish)" >&2
    printf '| %s | %s MB | %s MB |\n' "$size" "$(($(stat -c %s "$out/show.swf") / 1048576))" \
        "$((peak / 1024))"
done
