#!/usr/bin/env bash
# Times capillary-size --batch over generated design rows (default 100000).
# Usage: bench/batch.sh [ROWS]
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-100000}
input=$(mktemp --suffix=.csv)
trap 'rm -f "$input"' EXIT

awk -v rows="$rows" 'BEGIN {
  split("R22 R134a R407C R404A", refrigerant, " ")
  print "refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits"
  for (i = 0; i < rows; i++)
    printf "%s,%d,%d,%d,%d,%d,%d\n", refrigerant[i % 4 + 1], i % 10 + 1, (i % 95) - 40,
           80 + i % 71, i % 21, (i % 15) + 1, i % 4 + 1
}' > "$input"

start=$(date +%s.%N)
build/bin/capillary-size --batch "$input" > /dev/null
end=$(date +%s.%N)
awk -v rows="$rows" -v s="$start" -v e="$end" 'BEGIN { printf "%d rows in %.3f s\n", rows, e - s }'
