#!/usr/bin/env bash
# Puts the pinned Ruffle web build into third_party/ruffle (npm package, no other download).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
version="0.2.0-nightly.2025.11.22"
dest="$here/third_party/ruffle"
if [ -f "$dest/.version" ] && [ "$(cat "$dest/.version")" = "$version" ] && [ -f "$dest/ruffle.js" ]; then
  exit 0
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "@ruffle-rs/ruffle@$version" >/dev/null && tar xzf ./*.tgz)
rm -rf "$dest"
mkdir -p "$dest"
cp -r "$work/package/." "$dest/"
echo "$version" > "$dest/.version"
