#!/usr/bin/env bash
# Fails when a C++ source of the project differs from the layout in .clang-format, or includes a
# header of the project without naming its folder ("store/DataFolder.h"), which says the layer it
# comes from; `cmake --build build --target format` lays them out.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
if unqualified="$(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' '*.h.in' |
    xargs -0 grep -nE '^#include "[^/"]+\.h"')"; then
    echo "Includes without their folder:"$'\n'"$unqualified" >&2
    exit 1
fi
echo "Every source matches .clang-format and names its includes by folder."
