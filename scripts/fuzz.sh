#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a while over its corpus and
# the inputs that once broke it. Usage: scripts/fuzz.sh [seconds per target, default 45]
# New inputs go to a temporary folder; a crash leaves its input in build/fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-45}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
crashes="build/fuzz/crashes"
mkdir -p "$crashes"

# The seeds as this build writes them join the stored corpus.
build/fuzz/fuzz/kesh_datafile_seeds "$work/datafile"

run() {
    local target="$1" name="$2"
    local corpus=(fuzz/corpus/"$name")
    [ -d fuzz/regressions/"$name" ] && corpus+=(fuzz/regressions/"$name")
    mkdir -p "$work/$name"
    echo "Fuzzing $name for ${seconds}s"
    build/fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$crashes/$name-" "$work/$name" "${corpus[@]}"
}

run kesh_datafile_fuzz datafile
run kesh_csv_fuzz csv
run kesh_qif_fuzz qif
run kesh_ofx_fuzz ofx
