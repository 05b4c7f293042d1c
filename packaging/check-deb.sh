#!/usr/bin/env bash
# Checks the Debian package that `make deb` wrote into the build folder, without installing it:
# its control fields, the files a desktop install needs, that apt could satisfy its
# dependencies here, and that the packaged, stripped command-line publisher runs and publishes
# a photo from where the package unpacks.
# Usage: packaging/check-deb.sh [build folder]
set -euo pipefail
build=${1:-build}
shopt -s nullglob
packages=("$build"/lumaro_*_amd64.deb)
if [ ${#packages[@]} -ne 1 ]; then
    echo "check-deb: expected one lumaro_*_amd64.deb in $build, found ${#packages[@]}" >&2
    exit 1
fi
deb=${packages[0]}
fail() {
    echo "check-deb: $deb: $*" >&2
    exit 1
}

for field in Package Version Architecture Maintainer Description Depends; do
    [ -n "$(dpkg-deb --field "$deb" "$field")" ] || fail "no $field field"
done
[ "$(dpkg-deb --field "$deb" Package)" = lumaro ] || fail "the package is not named lumaro"
# The libraries come from dpkg-shlibdeps; the web engine and mpv must be among them.
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6webenginecore6 libmpv libexiv2 libavcodec libheif; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/lumaro ./usr/bin/lumaro-publish ./usr/lib/lumaro/lumaro \
    ./usr/lib/lumaro/lumaro-publish ./usr/lib/lumaro/kvt ./usr/lib/lumaro/kvv ./usr/lib/lumaro/velminfo \
    ./usr/lib/lumaro/ruffle/ruffle.js ./usr/share/applications/org.lumaro.Lumaro.desktop \
    ./usr/share/metainfo/org.lumaro.Lumaro.metainfo.xml \
    ./usr/share/mime/packages/org.lumaro.Lumaro.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.lumaro.Lumaro.svg; do
    grep -qxF "$path" <<<"$contents" || fail "$path is missing"
done
grep -q '^\./usr/lib/lumaro/template/version1/.*\.swf$' <<<"$contents" || fail "no template movie"
for lang in de es fr it ja pl pt_BR zh_CN; do
    grep -q "^\./usr/lib/lumaro/translations/lumaro_${lang}\.qm\$" <<<"$contents" ||
        fail "no translation lumaro_${lang}.qm"
done

# Would apt take it on this system? (A simulation: nothing is installed.)
apt-get --simulate --no-install-recommends install "$(realpath "$deb")" >/dev/null 2>&1 ||
    fail "apt-get cannot satisfy its dependencies here"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb --extract "$deb" "$work/root"
publisher="$work/root/usr/bin/lumaro-publish"
"$publisher" --version | grep -q "^lumaro-publish " || fail "lumaro-publish --version failed"
mkdir -p "$work/photos" "$work/out"
ffmpeg -v error -f lavfi -i color=orange:size=64x48 -frames:v 1 "$work/photos/one.jpg"
# A phone's photo too: the HEIF decoder must come with the package's dependencies.
heif-enc -q 50 -o "$work/photos/two.heic" "$work/photos/one.jpg" >/dev/null
TMPDIR="$work" HOME="$work" "$publisher" --profile xml --name Check --output "$work/out" \
    "$work/photos" >"$work/publish.log" 2>&1 ||
    fail "the packaged lumaro-publish failed: $(cat "$work/publish.log")"
[ "$(find "$work/out" -name '*.xml' | wc -l)" = 1 ] && [ "$(find "$work/out" -name '*.jpg' | wc -l)" = 4 ] ||
    fail "the packaged lumaro-publish wrote no whole gallery: $(find "$work/out")"
echo "check-deb: $deb is complete"
