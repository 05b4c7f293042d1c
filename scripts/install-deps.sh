#!/usr/bin/env bash
# Installs everything Lumaro needs to build, run and test: Debian packages and the pinned
# Ruffle web player from npm. Safe to run again; quiet when everything is already there.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(
  build-essential cmake pkg-config clang-format
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-webengine-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libqt6svg6
  libgl-dev libxkbcommon-dev
  libmpv-dev libexiv2-dev exiv2 libheif-dev libheif-examples
  dbus-daemon
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libmp3lame-dev
  haxe
  xvfb xauth chromium ffmpeg libjpeg-turbo-progs libturbojpeg0-dev imagemagick python3
  fonts-dejavu-core fonts-noto-cjk
  desktop-file-utils appstream shared-mime-info dpkg-dev
)
# Node.js and npm may come from outside Debian (their own packaging conflicts with Debian's npm);
# only ask Debian for them when no npm is on the machine.
if ! command -v npm >/dev/null 2>&1; then packages+=(nodejs npm); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Ruffle, pinned: the version the templates and the Flash control were tested with.
"$here/scripts/fetch-ruffle.sh"
