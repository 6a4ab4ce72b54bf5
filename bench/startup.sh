#!/usr/bin/env bash
# Start-up figures of the desktop program: the time from process start until the main window
# is on screen, and the resident memory once it is. Not a test; prints the figures of a few
# runs. Without a display it runs itself under a 96-dpi virtual X server.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]      (defaults: build, 5)
source "$(dirname "$(realpath "$0")")/display_harness.sh" 1024x768 "$@"

title='Tolmerk Capillary Tube Design'

for ((run = 1; run <= runs; run++)); do
  start=$(now_us)
  "$program" --no-splash 2>>"${STARTUP_LOG:-/dev/null}" &
  pid=$!
  # Poll until the window is mapped; each poll costs a few milliseconds, and the pause between
  # polls keeps them from filling the server's queue of connections, which the program needs.
  until xdotool search --onlyvisible --pid "$pid" --name "$title" >/dev/null 2>&1; do
    still_running "$pid"
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
