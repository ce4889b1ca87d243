#!/usr/bin/env bash
# How fast the game's windows appear and how much memory it takes, against a bare Qt Widgets
# window measured in the same run on its own X server. The bare window (bench/bare_window.cpp)
# shows every caption the program shows at start-up, the splash's and the main window's, Thai and
# English, in the same mapped fonts, so both load the Thai fonts and shape Thai text.
#   launch -> splash mapped;
#   launch -> main window mapped, the splash clicked the moment it is mapped;
#   launch -> bare window mapped, the floor of both;
#   VmHWM 0.3 s after the last window is up, beside the bare window's.
# Once at 100 % and once at the zoom step 200 % (kept in the settings as a teacher leaves it),
# beside the bare window at Qt's scale factor 2, which draws the same pixels.
# bench/startup_probe starts each program, stamps the maps of its windows and makes the click
# (XTEST); runs of the game and of the bare window alternate. Prints figures, asserts nothing.
#
# Usage: scripts/measure-startup.sh [runs] [build folder]    (defaults: 10, build-bench)
set -euo pipefail

runs=${1:-10}
build=$(realpath "${2:-build-bench}")
program_folder=$build/bin
bare_window=$build/bench/bare_window
probe=$build/bench/startup_probe
click_at=30,40   # a point on the splash's frame that no label or picture covers

for file in "$program_folder/pindrel" "$bare_window" "$probe"; do
  [[ -x $file ]] || { echo "missing $file: build with -DPINDREL_BENCH=ON first (make bench)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "missing Xvfb (scripts/install-deps.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=

cleanup() {
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Our own X server on a display number that the server itself finds free and tells us, so
# that two runs at once never pick the same one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
  [[ $(wc -l <"$work/display") -ge 1 ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
read -r number <"$work/display" || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$number

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
# The review list the program reads at start-up: an empty one of its own, not the user's.
export XDG_DATA_HOME=$work/data
mkdir -m 700 "$XDG_RUNTIME_DIR"

splash_ms=() main_ms=() click_ms=() game_kib=() bare_ms=() bare_kib=()

# The probe's lines for one run of "$@" in folder $1, until a window titled $2 is mapped.
probe_in() {
  local folder=$1 until=$2
  shift 2
  (cd "$folder" && "$probe" --until "$until" "$@") 2>>"$work/probe.log" || {
    echo "the probe failed; its log:" >&2
    cat "$work/probe.log" >&2
    exit 1
  }
}

measure_bare() {
  local lines
  lines=$(QT_SCALE_FACTOR=$((percent / 100)) probe_in "$(dirname "$bare_window")" 'Bare window' \
    -- "./$(basename "$bare_window")")
  bare_ms+=("$(awk '/^map/ { print $2; exit }' <<<"$lines")")
  bare_kib+=("$(awk '/^peak_kib/ { print $2 }' <<<"$lines")")
}

measure_game() {
  local copy=$work/program lines
  rm -rf "$copy"
  cp -r "$program_folder" "$copy"   # "Custom Vocab" is made in the copy, not in the build
  mkdir -p "$work/config/Pindrel"
  printf '[zoom]\nstep=%d\n' "$percent" >"$work/config/Pindrel/Pindrel.conf"
  lines=$(XDG_CONFIG_HOME=$work/config probe_in "$copy" 'Vokabin' --click "$click_at" -- ./pindrel)
  if [[ $(awk '/^map/ { n++ } END { print n }' <<<"$lines") -lt 2 ]]; then
    echo "the main window came first: there was no splash to click" >&2
    exit 1
  fi
  splash_ms+=("$(awk '/^map/ { print $2; exit }' <<<"$lines")")
  click_ms+=("$(awk '/^click/ { print $2 }' <<<"$lines")")
  main_ms+=("$(awk '/^map/ && /Vokabin/ { print $2 }' <<<"$lines")")
  game_kib+=("$(awk '/^peak_kib/ { print $2 }' <<<"$lines")")
}

# "median min max" of the numbers given, each divided by $1.
summary() {
  local scale=$1
  shift
  printf '%s\n' "$@" | sort -g | awk -v s="$scale" '
    { v[NR] = $1 / s }
    END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%.1f %.1f %.1f\n", m, v[1], v[NR] }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

for percent in 100 200; do
  load_average=$(cut -d" " -f1-3 /proc/loadavg)
  echo "Warming up (one run of each, not counted) on Xvfb $DISPLAY ..."
  measure_bare
  measure_game
  splash_ms=() main_ms=() click_ms=() game_kib=() bare_ms=() bare_kib=()

  for ((run = 1; run <= runs; run++)); do
    printf '\rrun %d of %d' "$run" "$runs"
    measure_bare
    measure_game
  done
  echo

  # Between the click and the main window's map: the click's way to the program and the
  # main window's making.
  clicked_to_main=()
  for ((i = 0; i < ${#main_ms[@]}; i++)); do
    clicked_to_main+=("$(awk -v a="${main_ms[i]}" -v b="${click_ms[i]}" 'BEGIN { print a - b }')")
  done

  read -r bare_med bare_min bare_max <<<"$(summary 1 "${bare_ms[@]}")"
  read -r spl_med spl_min spl_max <<<"$(summary 1 "${splash_ms[@]}")"
  read -r main_med main_min main_max <<<"$(summary 1 "${main_ms[@]}")"
  read -r clk_med clk_min clk_max <<<"$(summary 1 "${clicked_to_main[@]}")"
  read -r bmem_med bmem_min bmem_max <<<"$(summary 1024 "${bare_kib[@]}")"
  read -r gmem_med gmem_min gmem_max <<<"$(summary 1024 "${game_kib[@]}")"

  echo
  echo "Start-up at $percent %, $runs runs each, interleaved, on Xvfb $DISPLAY; medians (min-max); load average $load_average"
  printf '%-40s %-24s %-24s %s\n' "measure" "pindrel" "bare window (floor)" "figure"
  printf '%-40s %-24s %-24s %s\n' "launch -> splash mapped" \
    "$spl_med ms ($spl_min-$spl_max)" "$bare_med ms ($bare_min-$bare_max)" \
    "ratio $(ratio "$spl_med" "$bare_med") (target <= 1.15)"
  printf '%-40s %-24s %-24s %s\n' "launch -> main window mapped" \
    "$main_med ms ($main_min-$main_max)" "$bare_med ms ($bare_min-$bare_max)" \
    "ratio $(ratio "$main_med" "$bare_med") (target <= 1.15)"
  printf '%-40s %-24s %-24s %s\n' "  of which click -> main window mapped" \
    "$clk_med ms ($clk_min-$clk_max)" "-" "the splash clicked as soon as it was mapped"
  printf '%-40s %-24s %-24s %s\n' "peak memory (VmHWM), last window up" \
    "$gmem_med MiB ($gmem_min-$gmem_max)" "$bmem_med MiB ($bmem_min-$bmem_max)" \
    "ratio $(ratio "$gmem_med" "$bmem_med") (target <= 1.2)"
done
