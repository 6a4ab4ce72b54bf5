#!/usr/bin/env bash
# Start-up figures of the desktop program: the time from process start until the main window
# is on screen, and the resident memory once it is. Not a test; prints the figures of a few
# runs. Without a display it runs itself under a 96-dpi virtual X server.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]      (defaults: build, 5)
set -euo pipefail
script=$(realpath "$0")
cd "$(dirname "$script")/.."
build_dir=${1:-build}
runs=${2:-5}
program="$PWD/$build_dir/bin/capillary-design"
[ -x "$program" ] || { echo "no $program; build it first (tools/bootstrap $build_dir)" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
  # A server number of its own: one just shut down may still be removing its socket. Without
  # -noreset the server resets when its last client leaves, and a program started during the
  # reset cannot connect.
  exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24 -dpi 96 -noreset" "$script" "$build_dir" "$runs"
fi

title='Tolmerk Capillary Tube Design'
# A virtual server started a moment ago may not take connections yet.
for ((wait = 0; wait < 100; wait++)); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

now_us() { echo $(($(date +%s%N) / 1000)); }

for ((run = 1; run <= runs; run++)); do
  start=$(now_us)
  "$program" --no-splash 2>>"${STARTUP_LOG:-/dev/null}" &
  pid=$!
  # Poll until the window is mapped; each poll costs a few milliseconds, and the pause between
  # polls keeps them from filling the server's queue of connections, which the program needs.
  until xdotool search --onlyvisible --pid "$pid" --name "$title" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its window" >&2; exit 1; }
    sleep 0.005
  done
  shown=$(now_us)
  sleep 0.5  # let the first paint and the logo animation settle
  rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  printf 'run %d: window shown after %d ms, resident memory %d.%d MB\n' \
    "$run" $(((shown - start) / 1000)) $((rss_kb / 1024)) $((rss_kb % 1024 * 10 / 1024))
done
