#!/bin/sh
# Runs the data generator twice into fresh directories and compares every
# file byte for byte.  Usage: assets/check_determinism.sh [scratch-dir]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
scratch=${1:-$(mktemp -d)}
font="$here/../data/Ubuntu-Mono Regular.ttf"
for run in a b; do
  rm -rf "$scratch/$run"
  /usr/bin/python3 "$here/generate.py" --game-dir "$scratch/$run/game" --font "$font" \
    --work-dir "$scratch/$run/work" >/dev/null
done
cd "$scratch/a/game"
count=0
for f in $(find . -type f | sort | tr ' ' '?'); do
  for g in $f; do
    cmp "$scratch/a/game/$g" "$scratch/b/game/$g"
    count=$((count + 1))
  done
done
echo "identical: $count files"
