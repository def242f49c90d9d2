#!/usr/bin/env bash
# Every example script through the native driver and the WebAssembly driver
# under Node: the same output, errors and exit status byte for byte, the same
# design file bytes when saved, and the same form when each example design is
# opened again.
# Usage: same_as_native.sh NATIVE_CLI WEB_CLI_JS EXAMPLES_DIR
set -uo pipefail
native=$1 web=$2 examples=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

compare() { # what, file a, file b
    if cmp -s "$2" "$3"; then
        echo "same: $1"
    else
        echo "DIFFERENT: $1"
        diff <(head -c 2000 "$2") <(head -c 2000 "$3") | head -20
        failed=1
    fi
}

run_both() { # name, then the command's arguments after the driver
    local name=$1
    shift
    (cd "$examples" && "$native" "$@" >"$scratch/$name.native" 2>&1; echo "rc=$?" >>"$scratch/$name.native")
    (cd "$examples" && node "$web" "$@" >"$scratch/$name.web" 2>&1; echo "rc=$?" >>"$scratch/$name.web")
    compare "$name" "$scratch/$name.native" "$scratch/$name.web"
}

for script in "$examples"/*.gvs; do
    name=$(basename "$script" .gvs)
    run_both "$name.gvs" "$name.gvs"
    for build in native web; do
        { cat "$script"; echo "save $scratch/$name.$build.gelvant"; } >"$scratch/$name.$build.gvs"
    done
    (cd "$examples" && "$native" "$scratch/$name.native.gvs" >/dev/null 2>&1)
    (cd "$examples" && node "$web" "$scratch/$name.web.gvs" >/dev/null 2>&1)
    compare "$name saved" "$scratch/$name.native.gelvant" "$scratch/$name.web.gelvant"
done
for design in "$examples"/*.gelvant; do
    name=$(basename "$design")
    printf 'open %s\ndump\nsummary\ncompute all\ndump\nsummary\n' "$design" >"$scratch/$name.gvs"
    run_both "$name opened" --no-startup "$scratch/$name.gvs"
done
exit $failed
