# The common start of the desktop program's benchmarks, sourced by them:
#   source "$(dirname "$(realpath "$0")")/display_harness.sh" SCREEN "$@"
# It takes [BUILD_DIR] [RUNS] (defaults: build, 5), sets `program` and `runs`, runs the
# calling script again under a 96-dpi virtual X server of SCREEN (e.g. 1024x768) when there is
# no display, waits until the display takes connections, and defines now_us.
set -euo pipefail
script=$(realpath "$0")
screen=$1
cd "$(dirname "$script")/.."
build_dir=${2:-build}
runs=${3:-5}
program="$PWD/$build_dir/bin/capillary-design"
[ -x "$program" ] || { echo "no $program; build it first (tools/bootstrap $build_dir)" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
  # A server number of its own: one just shut down may still be removing its socket. Without
  # -noreset the server resets when its last client leaves, and a program started during the
  # reset cannot connect.
  exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 ${screen}x24 -dpi 96 -noreset" \
    "$script" "$build_dir" "$runs"
fi

# A virtual server started a moment ago may not take connections yet.
for ((wait = 0; wait < 100; wait++)); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

now_us() { echo $(($(date +%s%N) / 1000)); }

# Fails the benchmark when the program under test has ended (instead of polling forever).
still_running() {
  kill -0 "$1" 2>/dev/null || { echo "the program ended before showing its window" >&2; exit 1; }
}
