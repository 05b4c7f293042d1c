#!/usr/bin/env bash
# Takes a screenshot of Lumaro's main window under Xvfb into docs/screenshot.png, or in another
# skin into docs/screenshot-<skin>.png.
# Usage: scripts/screenshot.sh [build folder] [skin]   (defaults: build, the default skin)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
program="$build/bin/lumaro"
skin="${2:-}"
out="$root/docs/screenshot${skin:+-$skin}.png"
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
if [ -n "$skin" ]; then
    mkdir -p "$home/config/Lumaro"
    printf '[General]\nlast_skin=%s\n' "$skin" > "$home/config/Lumaro/lumaro.ini"
fi

# Something in the strips: a few made-up photos and a song, brought in through the window's own
# import commands (the program plays LUMARO_TEST_SCRIPT after start-up).
if command -v ffmpeg >/dev/null; then
    media="$home/media"
    mkdir -p "$media/photos"
    i=0
    for source in testsrc2 mandelbrot life rgbtestsrc smptehdbars; do
        i=$((i + 1))
        ffmpeg -v error -y -f lavfi -i "$source=size=640x480" -frames:v 1 \
            "$media/photos/photo$i.jpg" || true
    done
    ffmpeg -v error -y -f lavfi -i sine=frequency=440:duration=95 "$media/Morning Walk.mp3" || true
    ffmpeg -v error -y -f lavfi -i sine=frequency=330:duration=142 "$media/Evening.mp3" || true
    # A click's dialog closes after 5 s at the latest, well before the picture is taken.
    printf 'timeout\t5\nclick\timportPictureDir\t%s\nclick\timportAudio\t%s\t%s\n' \
        "$media/photos" "$media/Morning Walk.mp3" "$media/Evening.mp3" > "$home/script.txt"
    export LUMARO_TEST_SCRIPT="$home/script.txt"
fi

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
