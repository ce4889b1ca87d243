#!/usr/bin/env bash
# Renders every window of the game on a private Xvfb (xcb platform, the installed Thai fonts)
# and saves the pictures in docs/screenshots.
#   take-screenshots.sh BUILD_DIR [OUTPUT_DIR]
set -euo pipefail
build=${1:?usage: take-screenshots.sh BUILD_DIR [OUTPUT_DIR]}
out=${2:-docs/screenshots}

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -nolisten tcp -dpi 96 -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work" \
  "$build/tools/take_screenshots" "$build/bin" "$out"
echo "Screenshots in $out:"
ls "$out"
