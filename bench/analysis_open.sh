#!/usr/bin/env bash
# Time from Ctrl+T until the tube analysis window is on screen, for the first worked example
# calculated in the main window. Not a test; prints the figure of a few runs. Without a display
# it runs itself under a 96-dpi virtual X server.
# Usage: bench/analysis_open.sh [BUILD_DIR] [RUNS]      (defaults: build, 5)
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
  exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1366x768x24 -dpi 96 -noreset" "$script" "$build_dir" "$runs"
fi

design=$(mktemp --suffix=.cqz)
trap 'rm -f "$design"' EXIT
# The English golden design at the first worked example's 1 ton and 10 psi/ft.
sed -e '2s/.*/"1"\r/' -e '7s/.*/"10"\r/' testing/projects/english.cqz > "$design"

# A virtual server started a moment ago may not take connections yet.
for ((wait = 0; wait < 100; wait++)); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

now_us() { echo $(($(date +%s%N) / 1000)); }
for ((run = 1; run <= runs; run++)); do
  "$program" --no-splash "$design" 2>>"${ANALYSIS_LOG:-/dev/null}" &
  pid=$!
  until main=$(xdotool search --onlyvisible --pid "$pid" --name 'Tolmerk Capillary Tube Design'); do
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
    sleep 0.005
  done
  shown=$(now_us)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  printf 'run %d: tube analysis shown %d ms after Ctrl+T\n' "$run" $(((shown - start) / 1000))
done
