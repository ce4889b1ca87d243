#!/usr/bin/env bash
# The real program on a real X display (its own Xvfb, the xcb platform, no window manager),
# played as a learner would: the splash, a click on it, a few typed letters, a hint, Exit.
#
#   run-smoke.sh PROGRAM_FOLDER    plays a temporary copy of the folder (e.g. build/bin); the
#                                  copy must end with a "Custom Vocab" folder in it
#   run-smoke.sh --install BUILD   installs BUILD into a temporary prefix, checks the layout and
#                                  plays PREFIX/bin/pindrel there with its program folder
#                                  mounted read-only, as a copy under /usr is for its users: the
#                                  program must say so at start-up, play, and write nothing
set -euo pipefail

say() { echo "smoke: $*"; }
fail() {
  echo "smoke: FAIL: $*" >&2
  [ -s "$work/game.log" ] && sed 's/^/smoke: game: /' "$work/game.log" >&2
  exit 1
}

# Polls a command for up to $1 seconds.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

work=$(mktemp -d)
started=()
cleanup() {
  for pid in "${started[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${started[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

read_only=false
if [ "${1:-}" = "--install" ]; then
  [ $# -eq 2 ] || fail "usage: run-smoke.sh --install BUILD_DIR"
  prefix="$work/prefix"
  cmake --install "$2" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
  for file in lib/pindrel/pindrel lib/pindrel/school.txt lib/pindrel/house.txt \
    lib/pindrel/animals.txt lib/pindrel/00.jpg lib/pindrel/09.jpg lib/pindrel/help04.hlp \
    share/applications/pindrel.desktop share/icons/hicolor/256x256/apps/pindrel.png; do
    [ -f "$prefix/$file" ] || fail "the install has no $file"
  done
  desktop="$prefix/share/applications/pindrel.desktop"
  grep -qx "Exec=\"$prefix/bin/pindrel\"" "$desktop" || fail "the .desktop file does not start $prefix/bin/pindrel"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" | grep -v ': hint: ' | grep . && fail "the .desktop file is not valid"
  fi
  program="$prefix/bin/pindrel"
  folder="$prefix/lib/pindrel"
  if unshare --mount --propagation private sh -c 'mount --bind -o ro "$1" "$1"' sh "$folder" 2>/dev/null; then
    read_only=true
  else
    say "no read-only mount here: the installed copy is played writable"
  fi
else
  [ $# -eq 1 ] && [ -x "$1/pindrel" ] || fail "usage: run-smoke.sh PROGRAM_FOLDER | --install BUILD_DIR"
  folder="$work/program"
  cp -R "$1" "$folder"
  rm -rf "$folder/Custom Vocab"
  program="$folder/pindrel"
fi

# A display of our own: Xvfb chooses a free number and writes it once it is ready.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"

if $read_only; then
  unshare --mount --propagation private sh -c 'mount --bind -o ro "$1" "$1" && exec "$2"' \
    sh "$folder" "$program" >"$work/game.log" 2>&1 &
else
  "$program" >"$work/game.log" 2>&1 &
fi
game=$!
started+=("$game")

windows() { xdotool search --onlyvisible --pid "$game" 2>/dev/null || true; }
one_window() { [ "$(windows | wc -l)" -eq 1 ]; }
window_named() { xdotool search --onlyvisible --pid "$game" --name "$1" >/dev/null 2>&1; }
new_window() { windows | grep -vx "$1" | head -n1; }
has_new_window() { [ -n "$(new_window "$1")" ]; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

wait_for 30 one_window || fail "no splash appeared"
splash=$(windows)
geometry "$splash"
[ "$WIDTH" -eq 418 ] && [ "$HEIGHT" -eq 273 ] || fail "the splash is ${WIDTH}x${HEIGHT}"
# The face of the splash right of the labels, above the picture: 5800, 2000 twips.
xdotool mousemove --window "$splash" 386 133 click 1
say "clicked the splash"

if $read_only; then
  wait_for 10 has_new_window "$splash" || fail "no message about the read-only folder"
  message=$(new_window "$splash")
  xdotool windowfocus "$message" key Return
  say "dismissed the start-up message"
fi

wait_for 10 window_named '^Pindrel : Vokabin' || fail "the main window did not appear"
main=$(xdotool search --onlyvisible --pid "$game" --name '^Pindrel : Vokabin' | head -n1)
wait_for 10 one_window || fail "the splash did not close"
geometry "$main"
menu_bar=$((HEIGHT - 373))
xdotool windowfocus "$main"
xdotool type --delay 30 east
say "typed e, a, s, t"
# Give me a hint: 3000, 2360 twips, 1575 x 375, below the menu bar.
xdotool mousemove --window "$main" 252 $((menu_bar + 170)) click 1
say "took a hint"

# Exit: the last item of the menu bar's first menu.
xdotool mousemove --window "$main" 20 $((menu_bar / 2)) click 1
wait_for 5 has_new_window "$main" || fail "the first menu did not open"
menu=$(new_window "$main")
geometry "$menu"
xdotool mousemove $((X + 40)) $((Y + HEIGHT - 14)) click 1
say "chose Exit"

gone() { ! kill -0 "$game" 2>/dev/null; }
wait_for 10 gone || fail "the program did not end after Exit"
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

if $read_only; then
  [ ! -e "$folder/Custom Vocab" ] || fail "the read-only copy got a \"Custom Vocab\" folder"
else
  [ -d "$folder/Custom Vocab" ] || fail "no \"Custom Vocab\" folder in the copy"
fi
say "passed: status 0, $( $read_only && echo 'nothing written' || echo '"Custom Vocab" made')"
