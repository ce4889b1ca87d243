#!/usr/bin/env bash
# The real program on a real X display (its own Xvfb, the xcb platform, no window manager),
# played as a learner would: the splash, a click on it, a few typed letters, a hint, Exit. The
# window system must show each window's caption as it is.
#
#   run-smoke.sh PROGRAM_FOLDER    plays a temporary copy of the folder (e.g. build/bin) on a
#                                  vocabulary of one word, loses it and looks up its meaning;
#                                  the copy must end with a "Custom Vocab" folder in it
#   run-smoke.sh --install BUILD   installs BUILD into a temporary prefix, checks the layout and
#                                  plays PREFIX/games/pindrel there with its program folder
#                                  mounted read-only, as a copy under /usr is for its users: it
#                                  must play, make a vocabulary with the editor in the user's
#                                  data folder, and write nothing beside itself
#   run-smoke.sh --package DEB     extracts the Debian package into a temporary root and plays
#                                  its usr/games/pindrel the same way, read-only
#
# Every run has a HOME of its own in the temporary folder, so no run touches the real one.
set -euo pipefail

say() { echo "smoke: $*"; }
fail() {
  echo "smoke: FAIL: $*" >&2
  [ -s "$work/game.log" ] && sed 's/^/smoke: game: /' "$work/game.log" >&2
  [ -s "$work/xvfb.log" ] && sed 's/^/smoke: Xvfb: /' "$work/xvfb.log" >&2
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

export HOME="$work/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_STATE_HOME
mkdir -p "$HOME"
user_vocab="$HOME/.local/share/pindrel/Custom Vocab"

# The program folder is mounted read-only in a mount namespace of the program's own; this
# probes whether the machine lets us.
can_mount_read_only() {
  unshare --mount --propagation private sh -c 'mount --bind -o ro "$1" "$1"' sh "$1" 2>/dev/null
}

read_only=false
tree=""
if [ "${1:-}" = "--install" ]; then
  [ $# -eq 2 ] || fail "usage: run-smoke.sh --install BUILD_DIR"
  prefix="$work/prefix"
  cmake --install "$2" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
  # The data files through the program folder's links, as the program reads them.
  for file in lib/games/pindrel/pindrel lib/games/pindrel/school.txt lib/games/pindrel/house.txt \
    lib/games/pindrel/animals.txt lib/games/pindrel/00.jpg lib/games/pindrel/09.jpg \
    lib/games/pindrel/help04.hlp share/applications/pindrel.desktop \
    share/icons/hicolor/256x256/apps/pindrel.png; do
    [ -f "$prefix/$file" ] || fail "the install has no $file"
  done
  desktop="$prefix/share/applications/pindrel.desktop"
  grep -qx "Exec=\"$prefix/games/pindrel\"" "$desktop" || fail "the .desktop file does not start $prefix/games/pindrel"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" | grep . && fail "the .desktop file is not valid"
  fi
  program="$prefix/games/pindrel"
  folder="$prefix/lib/games/pindrel"
  tree="$prefix"
elif [ "${1:-}" = "--package" ]; then
  [ $# -eq 2 ] && [ -f "$2" ] || fail "usage: run-smoke.sh --package DEB"
  tree="$work/root"
  dpkg-deb -x "$2" "$tree" || fail "dpkg-deb -x $2 failed"
  program="$tree/usr/games/pindrel"
  folder="$tree/usr/lib/games/pindrel"
  [ -x "$program" ] || fail "the package has no usr/games/pindrel"
else
  [ $# -eq 1 ] && [ -x "$1/pindrel" ] || fail "usage: run-smoke.sh PROGRAM_FOLDER | --install BUILD_DIR | --package DEB"
  folder="$work/program"
  cp -R "$1" "$folder"
  rm -rf "$folder/Custom Vocab"
  printf 'cat|a pet|a pet too|a meaning|The cat sleeps.\r\n' >"$folder/school.txt"
  program="$folder/pindrel"
fi

if [ -n "$tree" ]; then
  if can_mount_read_only "$folder"; then
    read_only=true
  else
    say "no read-only mount here: the installed copy is played writable"
  fi
  # Every file of the installed tree with its size and time, to show afterwards that nothing
  # was written there.
  listing() { find "$tree" -printf '%P %y %s %T@\n' | sort; }
  listing >"$work/tree.before"
fi

# A display of our own: Xvfb chooses a free number and writes it once it is ready. -noreset:
# otherwise it resets whenever its last client leaves, and a program that connects meanwhile
# cannot start.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
# A program that cannot connect ends at once: first make sure that a client gets through.
wait_for 10 xdotool getdisplaygeometry >/dev/null 2>&1 || fail "the display $DISPLAY takes no clients"

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
window_named() { xdotool search --all --onlyvisible --pid "$game" --name "$1" >/dev/null 2>&1; }
new_window() { windows | grep -vx "$1" | head -n1; }
has_new_window() { [ -n "$(new_window "$1")" ]; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
# The title the window system shows (a desktop shows _NET_WM_NAME, not WM_NAME): exactly the
# window's caption, nothing appended.
check_title() {
  local shown
  shown=$(xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
  [ "$shown" = "$2" ] || fail "the window system shows the title \"$shown\", not \"$2\""
}

wait_for 30 one_window || fail "no splash appeared"
splash=$(windows)
geometry "$splash"
[ "$WIDTH" -eq 418 ] && [ "$HEIGHT" -eq 273 ] || fail "the splash is ${WIDTH}x${HEIGHT}"
# The face of the splash right of the labels, above the picture: 5800, 2000 twips.
xdotool mousemove --window "$splash" 386 133 click 1
say "clicked the splash"

wait_for 10 window_named '^Pindrel : Vokabin' || fail "the main window did not appear"
main=$(xdotool search --all --onlyvisible --pid "$game" --name '^Pindrel : Vokabin' | head -n1)
wait_for 10 one_window || fail "the splash did not close"
check_title "$main" "Pindrel : Vokabin"
geometry "$main"
menu_bar=$((HEIGHT - 373))
xdotool windowfocus "$main"
xdotool type --delay 30 east
say "typed e, a, s, t"
# Give me a hint: 3000, 2360 twips, 1575 x 375, below the menu bar.
xdotool mousemove --window "$main" 252 $((menu_bar + 170)) click 1
say "took a hint"

if [ -z "$tree" ]; then
  # CAT: e and s were wrong, seven more lose it; the list then holds it, and a click on it opens
  # its meaning. The popup's OK: 1440, 1200 twips, 1335 x 495.
  xdotool type --delay 30 bdfghij
  xdotool mousemove --window "$main" 440 $((menu_bar + 240)) click 1
  wait_for 5 has_new_window "$main" || fail "the meaning of the lost word did not open"
  popup=$(new_window "$main")
  check_title "$popup" "ความหมายของ คำศัพท์"
  xdotool mousemove --window "$popup" 140 96 click 1
  wait_for 5 one_window || fail "the meaning popup did not close at its OK"
  say "lost CAT and read its meaning"
else
  # An installed copy makes vocabulary in the user's data folder: the second menu's first item
  # (reached from the first menu with Right, then Home) opens the editor; a word is added by mouse
  # (the boxes at 1080, 840 / 1320 / 1800 twips, Add at 2280, 3240, Save at 4800, 2520), named
  # "pets" in the save dialog (its name box at 1560, 3000, its Save at 5520, 480), and saved.
  xdotool mousemove --window "$main" 20 $((menu_bar / 2)) click 1
  wait_for 5 has_new_window "$main" || fail "the first menu did not open"
  xdotool key Right Home Return
  two_windows() { [ "$(windows | wc -l)" -eq 2 ]; }
  sleep 0.5 # the menu closes, the editor opens at the screen's centre
  wait_for 5 two_windows || fail "Create did not open the editor"
  editor=$(new_window "$main")
  check_title "$editor" "สร้างข้อมูล คำศัพท์ใหม่"
  # One xdotool call a step, and a moment between: a click chained to the move can land first.
  at() { xdotool mousemove --window "$1" "$2" "$3"; sleep 0.1; xdotool click 1; sleep 0.2; }
  xdotool windowfocus --sync "$editor"
  for box in "68 cat" "100 a pet" "132 meows"; do
    at "$editor" 176 "${box%% *}"
    xdotool type --delay 20 "${box#* }"
  done
  at "$editor" 208 232
  at "$editor" 373 184
  wait_for 5 window_named '^Save$' || fail "the save dialog did not open"
  dialog=$(xdotool search --all --onlyvisible --pid "$game" --name '^Save$' | head -n1)
  check_title "$dialog" "Save"
  sleep 0.5
  xdotool windowfocus --sync "$dialog"
  at "$dialog" 216 210
  xdotool type --delay 20 pets
  at "$dialog" 420 48
  saved="$user_vocab/pets.txt"
  wait_for 5 test -f "$saved" || fail "nothing was saved in the user's data folder"
  printf 'cat|a pet|meows\r\n' | cmp -s - "$saved" || fail "pets.txt holds $(od -c "$saved")"
  wait_for 10 window_named '^Pindrel$' || fail "no message after the save"
  xdotool windowfocus "$(xdotool search --all --onlyvisible --pid "$game" --name '^Pindrel$' | head -n1)" key Return
  wait_for 10 one_window || fail "the message after the save did not close"
  main=$(windows)
  geometry "$main"
  say "made pets.txt in the user's data folder"
fi

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
  listing | diff "$work/tree.before" - >"$work/tree.diff" ||
    fail "the program wrote into the installed tree: $(cat "$work/tree.diff")"
  [ -d "$user_vocab" ] || fail "no \"Custom Vocab\" in the user's data folder"
  result="nothing written beside the program, \"Custom Vocab\" made in the user's data folder"
else
  [ -d "$folder/Custom Vocab" ] || fail "no \"Custom Vocab\" folder in the copy"
  [ ! -e "$user_vocab" ] || fail "a writable copy made \"Custom Vocab\" in the user's data folder"
  result="\"Custom Vocab\" made"
fi
say "passed: status 0, $result"
