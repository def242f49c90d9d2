#!/usr/bin/env bash
# The calculation sheet of one room from the command line: whole-process time
# of `gelvant --report` (toolkit start, the design file read, the report laid
# out and written), median over N runs. Usage: bench/report_export.sh [RUNS] [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20}"
source bench/timing.sh
app=$(find_gelvant "${2:-}")
cli="$(dirname "$(dirname "$app")")/cli/gelvant-cli"
if [ -z "$app" ] || [ ! -x "$app" ] || [ ! -x "$cli" ]; then
  echo "report_export: build the program and gelvant-cli first (make bench or cmake --build --preset dev)" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'save %s\n' "$work/design.gelvant" | "$cli"
"$app" --report "$work/warm.pdf" "$work/design.gelvant" # one warm-up run fills the font cache

times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$app" --report "$work/report.pdf" "$work/design.gelvant"
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done

echo "program:                 $app"
echo "runs:                    $runs"
echo "gelvant --report, $(median_of "${times[@]}")"
echo "pages:                   $(pdfinfo "$work/report.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')"
