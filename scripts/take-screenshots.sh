#!/usr/bin/env bash
# Renders every window of the game on a private Xvfb (xcb platform, the installed Thai fonts)
# and the first page of each printed worksheet (pdftoppm), and saves the pictures in
# docs/screenshots. A private PulseAudio whose only sink plays to
# nothing stands in for the sound system, so that the listen buttons are shown as a learner
# with speakers sees them; one more view is taken without it.
#   take-screenshots.sh BUILD_DIR [OUTPUT_DIR]
set -euo pipefail
build=${1:?usage: take-screenshots.sh BUILD_DIR [OUTPUT_DIR]}
out=${2:-docs/screenshots}

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  HOME="$work" XDG_RUNTIME_DIR="$work/pulse" pulseaudio --kill 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# An Xvfb of the given screen size on a free display; DISPLAY names it.
start_xvfb() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -nolisten tcp -noreset -dpi 96 -screen 0 "$1" 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
}
start_xvfb 1024x768x24
export QT_QPA_PLATFORM=xcb
# The words lost for the pictures go to a review list of its own, not the user's.
export XDG_DATA_HOME="$work/data"

mkdir -p "$work/pulse"
if HOME="$work" XDG_RUNTIME_DIR="$work/pulse" pulseaudio -n --daemonize=yes --exit-idle-time=-1 \
  --load=module-null-sink --load=module-native-protocol-unix 2>"$work/pulse.log"; then
  XDG_RUNTIME_DIR="$work/pulse" "$build/tools/take_screenshots" "$build/bin" "$out"
else
  echo "no private PulseAudio here ($(cat "$work/pulse.log")): the listen buttons are shown disabled" >&2
  XDG_RUNTIME_DIR="$work" "$build/tools/take_screenshots" "$build/bin" "$out"
fi
XDG_RUNTIME_DIR="$work" PULSE_SERVER="unix:$work/nothing-here" \
  "$build/tools/take_screenshots" "$build/bin" "$out" --without-sound
# The zoom's pictures on a screen as large as a projector's, where 300 % fits.
kill "$xvfb" && wait "$xvfb" 2>/dev/null || true
start_xvfb 1920x1280x24
XDG_RUNTIME_DIR="$work" PULSE_SERVER="unix:$work/nothing-here" \
  "$build/tools/take_screenshots" "$build/bin" "$out" --zoom
# The first page of each printed worksheet, drawn from its PDF as the printer would print it.
for pdf in "$out"/worksheet-*.pdf; do
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "${pdf%.pdf}"
  rm "$pdf"
done
echo "Screenshots in $out:"
ls "$out"
