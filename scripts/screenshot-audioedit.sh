#!/usr/bin/env bash
# Pictures of the Edit Audio dialog (two clips, one trimmed) in both skins under Xvfb:
# docs/screenshot-audioedit.png (plenvo) and docs/screenshot-audioedit-kzo.png.
# Usage: scripts/screenshot-audioedit.sh [build folder]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
program="$build/tests/shot_audioedit"
[ -x "$program" ] || { echo "no $program: cmake --build $build --target shot_audioedit" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (package xvfb)" >&2; exit 1; }

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home" TMPDIR="$home" QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 900x800x24" "$program" plenvo "$root/docs/screenshot-audioedit.png"
xvfb-run -a -s "-screen 0 900x800x24" "$program" kzo "$root/docs/screenshot-audioedit-kzo.png"
echo "wrote docs/screenshot-audioedit.png and docs/screenshot-audioedit-kzo.png"
