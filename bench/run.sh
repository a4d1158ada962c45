#!/bin/sh
# The benchmark: installs what is missing, builds a release build in build-bench, starts
# a private X server (and a sound server with a null output, when pulseaudio is there)
# and prints the table. Not run by the tests or CI.
# Usage: bench/run.sh [--runs N] [--idle SECONDS] [--keys N] [--lines N]
#                     [--only startup|idle|keys]
set -eu
cd "$(dirname "$0")/.."

tools/deps.sh bench

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTAPWELL_BENCH=ON -DBUILD_TESTING=OFF \
  >/dev/null
cmake --build build-bench -j"$(nproc)" >&2

# A display of our own: the first free one from :60 up.
n=60
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do
  n=$((n + 1))
done
work=$(mktemp -d "${TMPDIR:-/tmp}/tapwell-bench.XXXXXX")
xvfb_pid=""
pulse_pid=""
speechd_pid=""
pg=""
# shellcheck disable=SC2317 # called by the trap
cleanup() {
  if [ -n "$pg" ]; then
    python3 tests/pg/pgcluster.py stop --dir "$pg/c" --remove >/dev/null 2>&1 || true
    rm -rf "$pg"
  fi
  if [ -n "$speechd_pid" ]; then kill "$speechd_pid" 2>/dev/null || true; fi
  if [ -n "$pulse_pid" ]; then kill "$pulse_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
tries=0
until [ -e "/tmp/.X11-unix/X$n" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb did not start on :$n:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done
export DISPLAY=":$n"

# A sound server whose only output is a null sink, as on a desktop with sound: the
# program then loads its sounds, and any work the sound does while idle is counted.
# As root, pulseaudio warns that it is meant for --system, and runs.
sound="no sound server"
if command -v pulseaudio >/dev/null 2>&1; then
  mkdir -p "$work/pulse"
  PULSE_RUNTIME_PATH="$work/pulse" PULSE_STATE_PATH="$work/pulse" \
    pulseaudio -n --daemonize=no --system=no --exit-idle-time=-1 --disable-shm \
    --use-pid-file=no --disallow-exit --log-target=stderr \
    -L "module-null-sink sink_name=bench_null rate=48000 channels=2" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native" \
    >"$work/pulse.log" 2>&1 &
  pulse_pid=$!
  tries=0
  while [ ! -S "$work/pulse/native" ] && [ "$tries" -lt 50 ] && kill -0 "$pulse_pid" 2>/dev/null; do
    tries=$((tries + 1))
    sleep 0.1
  done
  if [ -S "$work/pulse/native" ]; then
    export PULSE_SERVER="unix:$work/pulse/native"
    sound="a sound server with a null output"
  else
    echo "(pulseaudio did not start; running without sound)" >&2
  fi
fi
[ -n "${PULSE_SERVER:-}" ] || export PULSE_SERVER="unix:$work/no-sound-server"

# A speech service of the run's own (speech-dispatcher with its voices, into that sound
# server), for the keystrokes with "Talk to me" on; the speech library finds its socket
# in the runtime folder.
speech="no speech service"
if command -v speech-dispatcher >/dev/null 2>&1; then
  mkdir -p "$work/run" && chmod 700 "$work/run"
  export XDG_RUNTIME_DIR="$work/run"
  speech-dispatcher --run-single --timeout 0 --log-dir "$work" >"$work/speechd.log" 2>&1 &
  speechd_pid=$!
  tries=0
  while [ ! -S "$work/run/speech-dispatcher/speechd.sock" ] && [ "$tries" -lt 100 ] &&
    kill -0 "$speechd_pid" 2>/dev/null; do
    tries=$((tries + 1))
    sleep 0.1
  done
  [ -S "$work/run/speech-dispatcher/speechd.sock" ] && speech="speech-dispatcher"
fi

# A classroom server of the run's own (tests/pg/pgcluster.py: a private PostgreSQL on a
# socket in its folder), for the keystrokes while lines are sent and the classroom rows.
pg=$(mktemp -d /tmp/tapwell-bench-pg.XXXXXX)
chmod 755 "$pg"
base=""
if python3 tests/pg/pgcluster.py start --dir "$pg/c" --watch-pid $$ >"$pg/info" 2>&1 &&
  python3 tests/pg/pgcluster.py database --dir "$pg/c" tapwell &&
  python3 tests/pg/pgcluster.py account --dir "$pg/c" --no-os-account tapwell-child &&
  python3 tests/pg/pgcluster.py account --dir "$pg/c" --no-os-account tapwell-teacher; then
  base="$(sed -n 's/^conninfo=//p' "$pg/info" | sed 's/dbname=postgres/dbname=tapwell/; s/ user=[^ ]*//')"
  build-bench/src/tapwell --setup-server --server "$base user=tapwell_admin" &&
    build-bench/src/tapwell --class bench --child tapwell-child --server "$base user=tapwell_admin" &&
    export TAPWELL_BENCH_SERVER="$base user=tapwell-child"
fi

echo "Running on display :$n with $sound and $speech; this takes a few minutes." >&2
status=0
# The program's progress record goes to a folder of the run's own, never the user's.
mkdir -p "$work/data-new" "$work/data-year/tapwell"
XDG_DATA_HOME="$work/data-new" TMPDIR="$work" build-bench/bench/tapwell_bench "$@" \
  >build-bench/bench-result.txt || status=$?
cat build-bench/bench-result.txt

# The progress record of a year of daily use: its size, the cost of one more line's
# record in it, and start-up with it in place.
echo
echo "Progress record of a year (365 days x 60 lines):"
build-bench/bench/tapwell_makerecord "$work/data-year/tapwell/progress.sqlite" \
  | tee build-bench/bench-record.txt || status=$?
echo
echo "My Progress on that record (median of 5 openings; a line typed between the two):"
QT_QPA_PLATFORM=xcb build-bench/bench/tapwell_progressload \
  "$work/data-year/tapwell/progress.sqlite" data/key.dat --runs 5 \
  | tee build-bench/bench-progress.txt || status=$?
echo
echo "Keyboard layouts (median and worst of 50; goal: 10 ms or less):"
build-bench/bench/tapwell_layoutbuild data/key.dat --runs 50 \
  | tee build-bench/bench-layout.txt || status=$?
echo
echo "A classroom on PostgreSQL (a class of 30 with a year each):"
if [ -n "$base" ]; then
  build-bench/bench/tapwell_classroom "$base user=tapwell_admin" "$base user=tapwell-child" \
    "$base user=tapwell-teacher" tapwell-child tapwell-teacher \
    | tee build-bench/bench-classroom.txt || status=$?
else
  echo "(no PostgreSQL server: $(tail -1 "$pg/info"))" >&2
fi
case " $* " in *" --only "*) ;; *)
  echo
  echo "Start-up with that record:"
  XDG_DATA_HOME="$work/data-year" TMPDIR="$work" build-bench/bench/tapwell_bench --only startup \
    || status=$?
  ;;
esac
# The programs' own messages, kept for when something could not be measured.
cat "$work"/tapwell-bench-*/programs.log >build-bench/bench-programs.log 2>/dev/null || true
[ "$status" -eq 0 ] || echo "(the programs' messages are in build-bench/bench-programs.log)" >&2
exit "$status"
