#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang into build-fuzz/ and runs each for the given
# number of seconds (default 30), as many at once as there are cores, each on a scratch copy of
# its seed corpus. Fails when any target crashes or finds a broken property; the input that
# did it is kept in build-fuzz/findings/.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
build="$root/build-fuzz"
findings="$build/findings"

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# Scratch space in memory where there is some: the targets write files for every input.
base=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && base=/dev/shm
scratch="$(mktemp -d "$base/hourlyrates-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings"

targets=()
for folder in "$root"/fuzz/corpus/*/; do
    targets+=("$(basename "$folder")")
done

run() {
    local target="$1"
    mkdir -p "$scratch/$target/tmp"
    cp -r "$root/fuzz/corpus/$target" "$scratch/$target/corpus"
    TMPDIR="$scratch/$target/tmp" "$build/fuzz_$target" "$scratch/$target/corpus" \
        -max_total_time="$seconds" -timeout=10 -max_len=8192 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$target-" >"$scratch/$target/log" 2>&1
}

failed=()
pids=()
names=()
finish() { # waits for the oldest run still going
    local target="${names[0]}"
    if wait "${pids[0]}"; then
        echo "fuzz $target: $(grep -Eo 'Done [0-9]+ runs' "$scratch/$target/log" | tail -1 || true)"
    else
        echo "fuzz $target FAILED:"
        grep -E 'Broken property|ERROR|SUMMARY|Test unit written' "$scratch/$target/log" | sed 's/^/    /' || tail -n 20 "$scratch/$target/log"
        failed+=("$target")
    fi
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
}
for target in "${targets[@]}"; do
    [ "${#pids[@]}" -ge "$(nproc)" ] && finish
    run "$target" &
    pids+=("$!")
    names+=("$target")
done
while [ "${#pids[@]}" -gt 0 ]; do finish; done

if [ "${#failed[@]}" -gt 0 ]; then
    echo "Fuzzing failed in: ${failed[*]} (inputs in $findings; run build-fuzz/fuzz_<target> <input> to repeat one)" >&2
    exit 1
fi
echo "Fuzzing passed: ${#targets[@]} targets, ${seconds} s each."
