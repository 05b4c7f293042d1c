#!/bin/bash
# Times Lumaro's video (lumaro-publish --profile video: photos read, rendered at 1080p, encoded
# by kvv) against the ffmpeg program doing the same work on the same inputs in one filter graph
# (each photo scaled and padded, zoompan, xfade between photos, the music trimmed and faded out),
# libx264 at the same preset and quality, in the same run. Prints wall time, CPU time and peak
# memory (the largest resident size of any process of each side).
# Goal: Lumaro's time <= ffmpeg's; Lumaro's peak memory does not grow with the number of photos.
# Usage: bench/video/run.sh [photos, default 100] [application folder, default build/bin]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
count=${1:-100}
app=${2:-$here/../../build/bin}
seconds=4
[ -x "$app/lumaro-publish" ] && [ -x "$app/kvv" ] ||
    { echo "no lumaro-publish or kvv in $app (build them first)" >&2; exit 1; }
command -v ffmpeg >/dev/null || { echo "ffmpeg command not found" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/photos" "$work/lumaro" "$work/ffmpeg"
# 4000 x 3000 photos that differ from each other (a moving test pattern), and a 3-minute clip.
ffmpeg -v error -f lavfi -i "testsrc2=size=4000x3000:rate=1" -frames:v "$count" -q:v 3 \
    "$work/photos/IMG_%04d.jpg"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=180" -ac 2 -b:a 192k "$work/clip.mp3"
total=$((count * seconds))

# Prints "wall cpu peak-kB" of the command.
measure() {
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null 2>"$work/log" ||
        { cat "$work/log" >&2; exit 1; }
    read -r wall user sys peak <"$work/time"
    echo "$wall $(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }') $peak"
}

read -r lw lc lm <<<"$(measure "$app/lumaro-publish" --profile video --video-size 1080 \
    --seconds-per-photo $seconds --music "$work/clip.mp3" --no-loop --name bench \
    --output "$work/lumaro" "$work/photos")"

# The same slideshow in one ffmpeg filter graph: each photo shown D + 0.7 s with its zoom, the
# crossfades overlapping neighbours by 0.7 s, so the whole lasts count * D (+ 0.7) seconds.
frames=$((seconds * 30 + 21))
inputs=() graph=""
for ((i = 0; i < count; i++)); do
    inputs+=(-i "$(printf '%s/photos/IMG_%04d.jpg' "$work" $((i + 1)))")
    graph+="[$i:v]scale=1920:1080:force_original_aspect_ratio=decrease,"
    graph+="pad=1920:1080:(ow-iw)/2:(oh-ih)/2:color=0x101010,"
    graph+="zoompan=z='1+0.06*on/$frames':d=$frames:s=1920x1080:fps=30,setsar=1,format=yuv420p[p$i];"
done
last="p0"
for ((i = 1; i < count; i++)); do
    graph+="[$last][p$i]xfade=transition=fade:duration=0.7:offset=$((i * seconds))[x$i];"
    last="x$i"
done
graph+="[$count:a]atrim=0:$total,afade=t=out:st=$((total - 2)):d=2[a]"
read -r fw fc fm <<<"$(measure ffmpeg -v error -y "${inputs[@]}" -i "$work/clip.mp3" \
    -filter_complex "$graph" -map "[$last]" -map "[a]" -c:v libx264 -preset veryfast -crf 20 \
    -pix_fmt yuv420p -c:a aac -b:a 160k -movflags +faststart "$work/ffmpeg/bench.mp4")"

echo "$count photos of 4000 x 3000, $seconds s each, 1080p30, libx264 veryfast crf 20"
printf '%-8s wall %7.1f s  cpu %7.1f s  peak %8d kB\n' lumaro "$lw" "$lc" "$lm" ffmpeg "$fw" "$fc" "$fm"
awk -v a="$lw" -v b="$fw" 'BEGIN { printf "ratio    %.2f (lumaro / ffmpeg wall time, goal <= 1.00)\n", a / b }'
