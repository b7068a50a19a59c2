#!/usr/bin/env bash
# Configures and builds into the given folder.
#   scripts/build.sh FOLDER [--target NAME] [CMake configure options...]
# ./run and ./test share build/ with the same options, so neither rebuilds the other's work.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
target=()
if [ "${1:-}" = "--target" ]; then
    target=(--target "$2"); shift 2
fi
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOURLYRATES_WERROR=ON "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" "${target[@]}"
