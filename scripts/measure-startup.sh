#!/usr/bin/env bash
# How fast the game's windows appear and how much memory it takes, against a bare Qt Widgets
# window measured in the same run on its own X server:
#   launch -> splash mapped, click on the splash -> main window mapped, VmHWM with the main
#   window up; launch -> bare window mapped and its VmHWM as the floor.
# A window counts as mapped at its MapNotify on the root window (stamped as xev reports it),
# confirmed as the program's own visible window by xdotool. Prints figures, asserts nothing.
#
# Usage: scripts/measure-startup.sh [runs] [build folder]    (defaults: 10, build-bench)
set -euo pipefail

runs=${1:-10}
build=${2:-build-bench}
program_folder=$build/bin
bare_window=$build/bench/bare_window
settle=0.3     # seconds a window is left to paint before it is clicked or its memory read
click_x=30     # a point on the splash's frame that no label or picture covers
click_y=40

for file in "$program_folder/pindrel" "$bare_window"; do
  [[ -x $file ]] || { echo "missing $file: build with -DPINDREL_BENCH=ON first (make bench)" >&2; exit 1; }
done
for tool in Xvfb xev xdotool xdpyinfo stdbuf; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
started=()   # every process this script started, ended by its id on the way out

forget() {
  local pid=$1 kept=() p
  for p in "${started[@]}"; do [[ $p == "$pid" ]] || kept+=("$p"); done
  started=("${kept[@]}")
}

stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  forget "$1"
}

cleanup() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    kill "${started[i]}" 2>/dev/null || true
    wait "${started[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Our own X server, on the first display number nobody uses.
display=
for n in $(seq 90 199); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=:$n; break; fi
done
[[ -n $display ]] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
started+=($!)
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $display" >&2; exit 1; }

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One line "time window" per MapNotify, stamped by the shell as xev's line arrives.
maps=$work/maps
: >"$maps"
mkfifo "$work/events"
stdbuf -oL xev -root -event substructure >"$work/events" 2>/dev/null &
started+=($!)
(
  mapped=
  while IFS= read -r line; do
    case $line in
      MapNotify*) mapped=$EPOCHREALTIME ;;
      *"event 0x"*", window 0x"*)
        if [[ -n $mapped ]]; then
          window=${line##*window }
          echo "$mapped $((${window%%,*}))"
          mapped=
        fi ;;
    esac
  done <"$work/events" >"$maps"
) &
started+=($!)
sleep 0.5   # xev has nothing to print when it is ready; give it time to select its events

# Microseconds from one EPOCHREALTIME stamp to another.
micros() { echo $((${2/./} - ${1/./})); }

# Waits for a map, after line $2 of the log, of a visible window of process $1 whose name
# matches $3; prints "time window name".
wait_for_map() {
  local pid=$1 seen=$2 pattern=$3 deadline=$((SECONDS + 20)) lines line stamp window name
  while ((SECONDS < deadline)); do
    mapfile -t -s "$seen" lines <"$maps"
    for line in "${lines[@]}"; do
      seen=$((seen + 1))
      read -r stamp window <<<"$line"
      xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$window" || continue
      name=$(xdotool getwindowname "$window" 2>/dev/null || true)
      if [[ $name =~ $pattern ]]; then
        echo "$stamp $window $name"
        return 0
      fi
    done
    kill -0 "$pid" 2>/dev/null || { echo "process $pid ended before its window was mapped" >&2; return 1; }
    sleep 0.005
  done
  echo "no window matching '$pattern' of process $pid within 20 s" >&2
  return 1
}

peak_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

splash_us=() click_us=() game_kb=() bare_us=() bare_kb=()
no_splash=0

# Starts "$@" in folder $1; sets launched_at and launched_pid.
launch() {
  local folder=$1
  shift
  launched_at=$EPOCHREALTIME
  (cd "$folder" && exec "$@") >>"$work/programs.log" 2>&1 &
  launched_pid=$!
  started+=("$launched_pid")
}

measure_bare() {
  local offset pid map
  offset=$(wc -l <"$maps")
  launch "$(dirname "$bare_window")" "./$(basename "$bare_window")"
  pid=$launched_pid
  map=$(wait_for_map "$pid" "$offset" '^Bare window')
  sleep "$settle"
  bare_us+=("$(micros "$launched_at" "${map%% *}")")
  bare_kb+=("$(peak_kb "$pid")")
  stop "$pid"
}

measure_game() {
  local copy=$work/program offset pid map window clicked main
  rm -rf "$copy"
  cp -r "$program_folder" "$copy"   # "Custom Vocab" is made in the copy, not in the build
  offset=$(wc -l <"$maps")
  launch "$copy" ./pindrel
  pid=$launched_pid
  map=$(wait_for_map "$pid" "$offset" '.')
  if [[ $map =~ Vokabin ]]; then
    no_splash=$((no_splash + 1))   # the main window came first: there is no splash to click
  else
    splash_us+=("$(micros "$launched_at" "${map%% *}")")
    window=$(cut -d' ' -f2 <<<"$map")
    sleep "$settle"
    xdotool mousemove --window "$window" "$click_x" "$click_y"
    offset=$(wc -l <"$maps")
    clicked=$EPOCHREALTIME
    xdotool click 1
    main=$(wait_for_map "$pid" "$offset" 'Vokabin')
    click_us+=("$(micros "$clicked" "${main%% *}")")
  fi
  sleep "$settle"
  game_kb+=("$(peak_kb "$pid")")
  stop "$pid"
}

# "median min max" of the numbers given, each divided by $1.
summary() {
  local scale=$1
  shift
  printf '%s\n' "$@" | sort -n | awk -v s="$scale" '
    { v[NR] = $1 / s }
    END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%.1f %.1f %.1f\n", m, v[1], v[NR] }'
}

load_average=$(cut -d" " -f1-3 /proc/loadavg)
echo "Warming up (one run of each, not counted) on $display ..."
measure_bare
measure_game
splash_us=() click_us=() game_kb=() bare_us=() bare_kb=() no_splash=0

for ((run = 1; run <= runs; run++)); do
  printf '\rrun %d of %d' "$run" "$runs"
  measure_bare
  measure_game
done
echo

read -r bare_med bare_min bare_max <<<"$(summary 1000 "${bare_us[@]}")"
read -r bmem_med bmem_min bmem_max <<<"$(summary 1024 "${bare_kb[@]}")"
read -r gmem_med gmem_min gmem_max <<<"$(summary 1024 "${game_kb[@]}")"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo
echo "Start-up, $runs runs each, interleaved, on Xvfb $display; medians (min-max); load average $load_average"
printf '%-36s %-24s %-24s %s\n' "measure" "pindrel" "bare window (floor)" "figure"
if ((${#splash_us[@]} > 0)); then
  read -r spl_med spl_min spl_max <<<"$(summary 1000 "${splash_us[@]}")"
  read -r clk_med clk_min clk_max <<<"$(summary 1000 "${click_us[@]}")"
  printf '%-36s %-24s %-24s %s\n' "launch -> window mapped" \
    "$spl_med ms ($spl_min-$spl_max)" "$bare_med ms ($bare_min-$bare_max)" \
    "ratio $(ratio "$spl_med" "$bare_med") (target <= 1.15)"
  printf '%-36s %-24s %-24s %s\n' "click on splash -> main mapped" \
    "$clk_med ms ($clk_min-$clk_max)" "-" \
    "$(awk -v a="$clk_med" -v b="$spl_med" 'BEGIN { printf "%+.1f", a - b }') ms against the splash (target <= +50)"
else
  echo "(no splash: the program opened its main window directly in all $no_splash runs)"
fi
printf '%-36s %-24s %-24s %s\n' "peak memory (VmHWM), window up" \
  "$gmem_med MiB ($gmem_min-$gmem_max)" "$bmem_med MiB ($bmem_min-$bmem_max)" \
  "ratio $(ratio "$gmem_med" "$bmem_med") (target <= 1.2)"
