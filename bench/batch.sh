#!/usr/bin/env bash
# Times capillary-size --batch over generated design rows (default 100000), on one thread and
# on every hardware thread, in the same run so that the two figures compare.
# Usage: bench/batch.sh [ROWS]
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-100000}
input=$(mktemp --suffix=.csv)
output=$(mktemp --suffix=.csv)
trap 'rm -f "$input" "$output"' EXIT

awk -v rows="$rows" 'BEGIN {
  split("R22 R134a R407C R404A", refrigerant, " ")
  print "refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits"
  for (i = 0; i < rows; i++)
    printf "%s,%d,%d,%d,%d,%d,%d\n", refrigerant[i % 4 + 1], i % 10 + 1, (i % 95) - 40,
           80 + i % 71, i % 21, (i % 15) + 1, i % 4 + 1
}' > "$input"

seconds() {  # runs the batch with the given options; prints the wall time in seconds
  local start end
  start=$(date +%s.%N)
  build/bin/capillary-size --batch "$input" "$@" > "$output" 2>/dev/null || true
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }'
}

one=$(seconds --jobs 1)
all=$(seconds)
awk -v rows="$rows" -v one="$one" -v all="$all" -v threads="$(nproc)" 'BEGIN {
  printf "%d rows: %.3f s on 1 thread, %.3f s on %d threads (%.2fx)\n", rows, one, all, threads, one / all
}'
