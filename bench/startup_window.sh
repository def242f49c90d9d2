#!/usr/bin/env bash
# Start-up of the desktop program: time from process start to the first
# painted frame of the computed form, and peak memory, over N runs on the
# offscreen platform. Usage: bench/startup_window.sh [RUNS] [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20}"
app="${2:-}"
if [ -z "$app" ]; then
  for candidate in build/release/src/app/gelvant build/dev/src/app/gelvant; do
    if [ -x "$candidate" ]; then app="$candidate"; break; fi
  done
fi
if [ -z "$app" ] || [ ! -x "$app" ]; then
  echo "startup_window: build the program first (make bench or cmake --build --preset dev)" >&2
  exit 2
fi

export QT_QPA_PLATFORM=offscreen GELVANT_EXIT_AFTER_FIRST_FRAME=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
"$app" 2>/dev/null # one warm-up run fills the font cache

times=()
peak=0
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  rss=$(/usr/bin/time -f '%M' "$app" 2>&1 >/dev/null | tail -n 1)
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  if [ "$rss" -gt "$peak" ]; then peak=$rss; fi
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$(( runs / 2 ))]}
echo "program:            $app"
echo "runs:               $runs"
echo "first frame, median: ${median} ms (min ${sorted[0]} ms, max ${sorted[$(( runs - 1 ))]} ms)"
echo "peak memory (RSS):  $(( peak / 1024 )) MB"
