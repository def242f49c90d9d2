#!/usr/bin/env bash
# Start-up of the desktop program: time from process start to the first
# painted frame of the computed form, and peak memory, over N runs on the
# offscreen platform. Usage: bench/startup_window.sh [RUNS] [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20}"
source bench/timing.sh
app=$(find_gelvant "${2:-}")
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

echo "program:            $app"
echo "runs:               $runs"
echo "first frame, $(median_of "${times[@]}")"
echo "peak memory (RSS):  $(( peak / 1024 )) MB"
