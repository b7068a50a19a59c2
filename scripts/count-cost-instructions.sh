#!/usr/bin/env bash
# Prints how many instructions one cost calculation takes (the worked example, from the typed
# texts to the filled record), counted by callgrind in a Release build of the benchmarks.
#   scripts/count-cost-instructions.sh [build folder]    (build-bench by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build-bench}"
command -v valgrind >/dev/null || { echo "valgrind is needed: apt-get install valgrind" >&2; exit 1; }
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DHOURLYRATES_BENCHMARKS=ON >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target cost_instructions >/dev/null
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
# The instructions of the whole process with the given number of calculations.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$out/$1.out" "$dir/bench/cost_instructions" "$1" \
        >/dev/null 2>"$out/$1.log"
    sed -n 's/^summary: //p' "$out/$1.out"
}
one="$(instructions 1)"
two="$(instructions 2)"
echo "one cost calculation: $((two - one)) instructions"
