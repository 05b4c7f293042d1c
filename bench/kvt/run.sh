#!/bin/bash
# Times kvt against the ffmpeg command line on the same 3-minute WAV (44.1 kHz stereo) and
# prints the ratio kvt / ffmpeg. Goal: ratio <= 1.00 (kvt no slower than ffmpeg).
# The ratio is taken on CPU time (user + system), which a busy shared machine disturbs far less
# than wall time; the best of several runs counts. Wall times are shown for reference.
# Usage: bench/kvt/run.sh [application folder, default build/bin] [runs, default 5]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
app=${1:-$here/../../build/bin}
runs=${2:-5}
kvt=$app/kvt
[ -x "$kvt" ] || { echo "no kvt in $app (build the kvt target first)" >&2; exit 1; }
command -v ffmpeg >/dev/null || { echo "ffmpeg command not found" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Tone plus noise, so the encoder has real work to do.
ffmpeg -v error -y -f lavfi -i "sine=frequency=440:duration=180:sample_rate=44100" \
       -f lavfi -i "anoisesrc=duration=180:amplitude=0.1:sample_rate=44100" \
       -filter_complex "[0][1]amerge=inputs=2" -ac 2 -c:a pcm_s16le "$work/in.wav"

# Prints "cpu wall" of the best (least CPU) of $runs runs of the command.
best() {
    local best_cpu="" best_wall="" i out
    for ((i = 0; i < runs; i++)); do
        out=$( { TIMEFORMAT='%U %S %R'; time "$@" >/dev/null 2>&1; } 2>&1 )
        read -r user sys wall <<<"$out"
        cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')
        if [ -z "$best_cpu" ] || awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then
            best_cpu=$cpu
            best_wall=$wall
        fi
    done
    echo "$best_cpu $best_wall"
}

read -r kc kw <<<"$(best "$kvt" -@ -i "$work/in.wav" -ab 192K -ac 2 -acodec mp3 -ar 44100 -cbrorvbr CBR \
    -vol 256 -y "$work/kvt.mp3")"
read -r fc fw <<<"$(best ffmpeg -v error -y -i "$work/in.wav" -ar 44100 -ac 2 -b:a 192k -codec:a libmp3lame \
    "$work/ffmpeg.mp3")"
awk -v kc="$kc" -v kw="$kw" -v fc="$fc" -v fw="$fw" -v runs="$runs" 'BEGIN {
    printf "3-minute WAV to 192 kb/s MP3, best of %d runs\n", runs
    printf "kvt     cpu %.2f s  wall %.2f s\n", kc, kw
    printf "ffmpeg  cpu %.2f s  wall %.2f s\n", fc, fw
    printf "ratio   %.2f (kvt / ffmpeg cpu time, goal <= 1.00)\n", kc / fc }'
