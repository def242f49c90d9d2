# shellcheck shell=bash
# Shared by the whole-process benchmarks: finding the built program and the
# median of a list of times in milliseconds.

# The program given, else the optimised build's, else the development build's.
find_gelvant() {
  local app="${1:-}"
  if [ -z "$app" ]; then
    for candidate in build/release/src/app/gelvant build/dev/src/app/gelvant; do
      if [ -x "$candidate" ]; then app="$candidate"; break; fi
    done
  fi
  echo "$app"
}

# "median: M ms (min A ms, max B ms)" of the times given.
median_of() {
  local sorted
  mapfile -t sorted < <(printf '%s\n' "$@" | sort -n)
  local n=${#sorted[@]}
  echo "median: ${sorted[$(( n / 2 ))]} ms (min ${sorted[0]} ms, max ${sorted[$(( n - 1 ))]} ms)"
}
