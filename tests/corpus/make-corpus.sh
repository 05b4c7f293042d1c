#!/usr/bin/env bash
# Makes the bad-input corpus in a folder (made at test time; nothing of it is kept in the repo):
#   tests/corpus/make-corpus.sh OUT
# OUT/photos and OUT/music get files that a careless reader would crash on, hang on or take for
# good media, plus odd file names around good files. Needs ffmpeg, exiv2, heif-enc and python3.
# A record "name<TAB>expect" per file, ended by a NUL byte (one name holds a newline), goes to
# OUT/expect: "ok" for files that must import, "fail" for files that must be listed as failed,
# "any" for files that may do either, "skip" for entries no import should pick up.
set -euo pipefail
out="${1:?usage: make-corpus.sh OUT}"
photos="$out/photos"
music="$out/music"
mkdir -p "$photos" "$music"
expect="$out/expect"
: >"$expect"
note() { printf '%s\t%s\0' "$1" "$2" >>"$expect"; }
ff() { ffmpeg -v error -y "$@"; }

# Good material the damaged files are cut from.
ff -f lavfi -i testsrc=size=320x240 -frames:v 1 "$photos/good.jpg"; note photos/good.jpg ok
ff -f lavfi -i testsrc=size=64x48 -frames:v 1 "$photos/good.png"; note photos/good.png ok
ff -f lavfi -i sine=duration=6 -c:a libmp3lame "$music/good.mp3"; note music/good.mp3 ok
heif-enc -q 50 -o "$photos/good.heic" "$photos/good.jpg" >/dev/null; note photos/good.heic ok
ff -f lavfi -i testsrc=size=64x48 -frames:v 1 -c:v libwebp "$photos/good.webp"; note photos/good.webp ok
ff -f lavfi -i sine=duration=4 -c:a libopus "$music/good.opus"; note music/good.opus ok
ff -f lavfi -i sine=duration=4 -c:a libvorbis "$music/good.oga"; note music/good.oga ok

python3 - "$photos" "$music" <<'PY'
import os, random, struct, sys, zlib
photos, music = sys.argv[1], sys.argv[2]
rnd = random.Random(14)  # the same corpus every run
good = open(os.path.join(photos, "good.jpg"), "rb").read()
def put(folder, name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
put(photos, "empty.jpg", b"")
put(photos, "truncated.jpg", good[: len(good) // 3])
put(photos, "header-only.jpg", good[: good.find(b"\xff\xda")])  # every header, no scan data
corrupt = bytearray(good)
for i in range(200, len(corrupt), 97):
    corrupt[i] = rnd.randrange(256)
put(photos, "corrupt.jpg", bytes(corrupt))
put(photos, "png-named.jpg", open(os.path.join(photos, "good.png"), "rb").read())
put(photos, "text-named.jpg", b"this is not a picture\n" * 20)
put(photos, "random.jpg", bytes(rnd.randrange(256) for _ in range(50000)))
# Decompression bomb: a PNG that declares 60000 x 60000 pixels and holds a few bytes.
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
ihdr = struct.pack(">IIBBBBB", 60000, 60000, 8, 2, 0, 0, 0)
bomb = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(b"\0" * 100000)) + chunk(b"IEND", b"")
put(photos, "bomb.png", bomb)
# A JPEG whose frame header declares 65500 x 65500.
sof = good.find(b"\xff\xc0")
if sof > 0:
    big = bytearray(good)
    big[sof + 5:sof + 9] = struct.pack(">HH", 65500, 65500)
    put(photos, "bomb.jpg", bytes(big))
# HEIC: cut short, and one whose every declared size ('ispe') says 40000 x 40000; a lossy WebP
# whose frame header declares its format's most, 16383 x 16383.
heic = open(os.path.join(photos, "good.heic"), "rb").read()
put(photos, "truncated.heic", heic[: len(heic) // 2])
big = bytearray(heic)
at = big.find(b"ispe")
while at >= 0:
    big[at + 8:at + 16] = struct.pack(">II", 40000, 40000)
    at = big.find(b"ispe", at + 4)
put(photos, "bomb.heic", bytes(big))
webp = bytearray(open(os.path.join(photos, "good.webp"), "rb").read())
if webp[12:16] == b"VP8 ":
    webp[26:30] = b"\xff\x3f\xff\x3f"
    put(photos, "bomb.webp", bytes(webp))
put(photos, "random.heic", b"\0\0\0\x18ftypheic" + bytes(rnd.randrange(256) for _ in range(20000)))
# Music: truncated, random and zero-filled.
mp3 = open(os.path.join(music, "good.mp3"), "rb").read()
put(music, "half.mp3", mp3[: len(mp3) // 2])
put(music, "empty.mp3", b"")
put(music, "zeros.mp3", b"\0" * 3_000_000)
for ext in ("mp3", "wav", "ogg", "flac", "opus", "oga"):
    put(music, "random." + ext, bytes(rnd.randrange(256) for _ in range(200000)))
PY
for f in empty.jpg header-only.jpg text-named.jpg random.jpg bomb.png bomb.jpg bomb.heic \
    bomb.webp random.heic; do
    [ -e "$photos/$f" ] && note "photos/$f" fail
done
# May decode with damage (the part present, the rest grey, as viewers show it) or fail; must not
# crash or hang either way.
note photos/corrupt.jpg any
note photos/truncated.jpg any
note photos/truncated.heic any
note photos/png-named.jpg ok     # a PNG is a photo whatever its name says
for f in empty.mp3 zeros.mp3 random.mp3 random.wav random.ogg random.flac random.opus \
    random.oga; do note "music/$f" fail; done
note music/half.mp3 ok           # imported with the length of the sound present

# Each odd EXIF orientation value, and a broken EXIF block.
for o in 0 1 2 3 4 5 6 7 8 9 255 65535; do
    cp "$photos/good.jpg" "$photos/orientation-$o.jpg"
    exiv2 -M"set Exif.Image.Orientation Short $o" "$photos/orientation-$o.jpg" 2>/dev/null || true
    note "photos/orientation-$o.jpg" ok
done
cp "$photos/orientation-6.jpg" "$photos/broken-exif.jpg"
python3 - "$photos/broken-exif.jpg" <<'PY'
import sys
p = sys.argv[1]
d = bytearray(open(p, "rb").read())
at = d.find(b"Exif\0\0")
if at > 0:
    d[at + 10:at + 18] = b"\xff" * 8   # IFD offset and entry count pointing nowhere
open(p, "wb").write(bytes(d))
PY
note photos/broken-exif.jpg ok

# Music in every damaged shape ffmpeg lets us cut.
for kind in "wav pcm_s16le" "ogg libvorbis" "flac flac"; do
    set -- $kind
    ff -f lavfi -i sine=duration=6 -c:a "$2" "$music/whole.$1"
    size=$(stat -c %s "$music/whole.$1")
    head -c $((size / 2)) "$music/whole.$1" >"$music/truncated.$1"
    note "music/whole.$1" ok
    note "music/truncated.$1" ok
done

# Things named like media that are not files, and names that break careless code.
mkdir -p "$photos/folder.jpg" "$music/folder.mp3"; note photos/folder.jpg skip; note music/folder.mp3 skip
mkfifo "$photos/pipe.jpg" "$music/pipe.mp3"; note photos/pipe.jpg fail; note music/pipe.mp3 fail
for name in "quote\"d.jpg" "it's.jpg" "with space.jpg" "-leading-dash.jpg" $'new\nline.jpg' \
    "ünïcödé фото 写真.jpg" "$(printf 'a%.0s' $(seq 1 251)).jpg"; do
    cp "$photos/good.jpg" "$photos/$name"
    note "photos/$name" ok
done
for name in "quote\"d.mp3" "-leading-dash.mp3" $'new\nline.mp3' "mélodie ♪.mp3" \
    "$(printf 'b%.0s' $(seq 1 251)).mp3"; do
    cp "$music/good.mp3" "$music/$name"
    note "music/$name" ok
done
# Read-only and vanished files: the first must import, the second must be reported.
cp "$photos/good.jpg" "$photos/read-only.jpg"; chmod 0444 "$photos/read-only.jpg"; note photos/read-only.jpg ok
# The superuser reads a file whatever its permissions say.
unreadable=fail; [ "$(id -u)" -ne 0 ] || unreadable=ok
cp "$photos/good.jpg" "$photos/unreadable.jpg"; chmod 0000 "$photos/unreadable.jpg"
note photos/unreadable.jpg "$unreadable"
ln -s "$photos/vanished-target.jpg" "$photos/vanished.jpg"; note photos/vanished.jpg fail
echo "corpus in $out: $(tr -cd '\0' <"$expect" | wc -c) entries"
