#!/usr/bin/env bash
# Time from Ctrl+T until the tube analysis window is on screen, for the first worked example
# calculated in the main window. Not a test; prints the figure of a few runs. Without a display
# it runs itself under a 96-dpi virtual X server.
# Usage: bench/analysis_open.sh [BUILD_DIR] [RUNS]      (defaults: build, 5)
source "$(dirname "$(realpath "$0")")/display_harness.sh" 1366x768 "$@"

design=$(mktemp --suffix=.cqz)
trap 'rm -f "$design"' EXIT
# The English golden design at the first worked example's 1 ton and 10 psi/ft.
sed -e '2s/.*/"1"\r/' -e '7s/.*/"10"\r/' testing/projects/english.cqz > "$design"

for ((run = 1; run <= runs; run++)); do
  "$program" --no-splash "$design" 2>>"${ANALYSIS_LOG:-/dev/null}" &
  pid=$!
  until main=$(xdotool search --onlyvisible --pid "$pid" --name 'Tolmerk Capillary Tube Design'); do
    still_running "$pid"
    sleep 0.05
  done
  sleep 0.5
  read -r x y < <(xdotool getwindowgeometry "$main" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }')
  xdotool mousemove $((x + 332)) $((y + 213)) click 1  # Calculate
  sleep 0.5
  xdotool windowfocus "$main"
  start=$(now_us)
  xdotool key ctrl+t
  # A pause between polls keeps them from filling the server's queue of connections.
  until xdotool search --onlyvisible --pid "$pid" --name '^Tube analysis$' >/dev/null 2>&1; do
    still_running "$pid"
    sleep 0.005
  done
  shown=$(now_us)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  printf 'run %d: tube analysis shown %d ms after Ctrl+T\n' "$run" $(((shown - start) / 1000))
done
