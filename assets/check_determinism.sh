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
diff -r -q "$scratch/a/game" "$scratch/b/game"
echo "identical: $(find "$scratch/a/game" -type f | wc -l) files"
