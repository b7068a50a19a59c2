#!/usr/bin/env bash
# Runs the Recalculate All benchmark (against the loop of separate saves) with its data folder on
# an ext4 file system made with mkfs.ext4's defaults, journal included, as on a usual desktop.
# The file system is an image file mounted through a loop device, so this needs root; it is
# removed afterwards. Any further arguments go to the benchmark.
#   scripts/recalculate-on-journaled-disk.sh [--benchmark_repetitions=3 ...]
# BUILD names the benchmark build folder (build-bench by default).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${BUILD:-$root/build-bench}"
[ "$(id -u)" -eq 0 ] || { echo "Mounting a file system image needs root." >&2; exit 1; }
command -v mkfs.ext4 >/dev/null || { echo "mkfs.ext4 is needed: apt-get install e2fsprogs" >&2; exit 1; }
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DHOURLYRATES_BENCHMARKS=ON >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target plant_bench >/dev/null

work="$(mktemp -d)"
mounted=""
finish() {
    [ -z "$mounted" ] || umount "$work/disk"
    rm -rf "$work"
}
trap finish EXIT
truncate -s 2G "$work/disk.img"
mkfs.ext4 -q -F "$work/disk.img"
mkdir "$work/disk"
mount -o loop "$work/disk.img" "$work/disk"
mounted=yes
echo "data folder on ext4 with: $(dumpe2fs -h "$work/disk.img" 2>/dev/null | sed -n 's/^Filesystem features: *//p')"
TMPDIR="$work/disk" "$dir/bench/plant_bench" \
    --benchmark_filter='thousandSeparateCalculations|recalculateAllOfThousandCenters' "$@"
