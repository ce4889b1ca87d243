#!/usr/bin/env bash
# The game's side of speech while its sound server misbehaves. bench/speech_probe runs the
# program's own speaker, which drives the helper pindrel-speak of the program folder, on the
# offscreen platform, and tells how late its event loop answered (a 10 ms timer); the sound
# server is a private PulseAudio whose only sink plays to nothing.
#   (a) a server that takes connections and never answers (a socket nobody reads);
#   (b) the server killed as a word begins, then started again, KILLS times;
#   (c) the server restarted every few seconds during play, at no particular moment;
#   (d) EXITS exits after speaking, half as the word begins and half once it is heard:
#       crashes, hangs (no end within 20 s), the longest teardown, and helpers left behind.
# Prints figures, asserts nothing.
#
# Usage: scripts/measure-speech.sh [exits] [build folder] [kills]   (defaults: 1000, build-bench, 10)
set -euo pipefail

exits=${1:-1000}
build=$(realpath "${2:-build-bench}")
kills=${3:-10}
program_folder=$build/bin
probe=$build/bench/speech_probe
for file in "$program_folder/pindrel-speak" "$probe"; do
  [[ -x $file ]] || { echo "missing $file: build with -DPINDREL_BENCH=ON first (make bench)" >&2; exit 1; }
done
command -v pulseaudio >/dev/null || { echo "missing pulseaudio (scripts/install-deps.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
chmod 700 "$work"
server_pid=
probe_pid=
cleanup() {
  for pid in $probe_pid $server_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export HOME=$work XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=offscreen
export PULSE_SERVER=unix:$work/native
now() { date +%s%3N; }

start_server() {
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --load=module-null-sink \
    "--load=module-native-protocol-unix auth-anonymous=1 socket=$work/native" >>"$work/server.log" 2>&1 &
  server_pid=$!
  for _ in $(seq 500); do
    [[ -S $work/native ]] && return
    sleep 0.01
  done
  echo "PulseAudio did not start:" >&2
  cat "$work/server.log" >&2
  exit 1
}
kill_server() {
  kill -KILL "$server_pid"
  wait "$server_pid" 2>/dev/null || true
  server_pid=
  rm -f "$work/native"
}
# The probe's figures line, and how long after each mark (a time in the marks file) the probe
# next printed the event: "off" after a kill, "on" after a start.
figures() { grep '^figures:' "$1" | sed 's/^figures: /  /'; }
probe_done() { # log: waits for the probe in the background, then prints its figures
  local status=0
  wait "$probe_pid" || status=$?
  probe_pid=
  echo "  probe exit status $status"
  figures "$1"
}
delays() { # log marks event
  local mark worst=0 total=0 count=0 missing=0 at
  while read -r mark; do
    at=$(awk -v m="$mark" -v e="$3" '$1 >= m && $2 == e { print $1; exit }' "$1")
    if [[ -z $at ]]; then missing=$((missing + 1)); continue; fi
    count=$((count + 1)); total=$((total + at - mark)); ((at - mark > worst)) && worst=$((at - mark))
  done <"$2"
  echo "  \"$3\" after ${count} of $((count + missing)): mean $((count ? total / count : 0)) ms, at most $worst ms"
}

echo "Machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"

echo "(a) a server that takes connections and never answers, 20 s of play:"
PULSE_SERVER=unix:$work/silent "$probe" "$program_folder" play 20 "$work/silent" >"$work/a.log" 2>"$work/a.err"
figures "$work/a.log"

echo "(b) the server killed as a word begins, and started again 2 s later, $kills times:"
start_server
: >"$work/b.log"
"$probe" "$program_folder" play $((kills * 8 + 5)) >>"$work/b.log" 2>"$work/b.err" &
probe_pid=$!
: >"$work/b.kills"
: >"$work/b.starts"
# Until the probe has printed the event once more than it had, or has ended.
next() { # log event
  local seen
  seen=$(grep -c " $2\$" "$1" || true)
  until (($(grep -c " $2\$" "$1" || true) > seen)) || ! kill -0 "$probe_pid" 2>/dev/null; do
    sleep 0.005
  done
}
for _ in $(seq "$kills"); do
  next "$work/b.log" 'speaking dog'
  now >>"$work/b.kills"
  kill_server
  sleep 2
  seen_on=$(grep -c ' on$' "$work/b.log" || true)
  now >>"$work/b.starts"
  start_server
  until (($(grep -c ' on$' "$work/b.log" || true) > seen_on)) || ! kill -0 "$probe_pid" 2>/dev/null; do
    sleep 0.05
  done
done
probe_done "$work/b.log"
delays "$work/b.log" "$work/b.kills" off
delays "$work/b.log" "$work/b.starts" on
kill_server

echo "(c) the server restarted every 5 s during 40 s of play:"
start_server
"$probe" "$program_folder" play 40 >"$work/c.log" 2>"$work/c.err" &
probe_pid=$!
: >"$work/c.starts"
for _ in $(seq 7); do
  sleep 5
  kill_server
  now >>"$work/c.starts"
  start_server
done
probe_done "$work/c.log"
delays "$work/c.log" "$work/c.starts" on

echo "(d) $exits exits after speaking:"
start_server
crashes=0 hangs=0 spoke=0 unavailable=0 worst=0 total=0
for i in $(seq "$exits"); do
  mode=at-finished
  ((i % 2)) && mode=at-speaking
  set +e
  timeout -s KILL 20 "$probe" "$program_folder" exit "$mode" >"$work/d.log" 2>>"$work/d.err"
  status=$?
  set -e
  if ((status == 137)); then hangs=$((hangs + 1)); elif ((status != 0)); then crashes=$((crashes + 1)); fi
  grep -q '^speaking' "$work/d.log" && spoke=$((spoke + 1))
  grep -q '^unavailable' "$work/d.log" && unavailable=$((unavailable + 1))
  ms=$(sed -n 's/^teardown \([0-9]*\) ms$/\1/p' "$work/d.log")
  if [[ -n $ms ]]; then
    total=$((total + ms))
    ((ms > worst)) && worst=$ms
  fi
done
sleep 0.5
left=$(pgrep -c -f -x "$program_folder/pindrel-speak" || true)
echo "  $crashes crashes, $hangs hangs; spoke in $spoke, speech off in $unavailable;" \
  "teardown mean $((total / exits)) ms, at most $worst ms; helpers left running: $left"
kill_server
