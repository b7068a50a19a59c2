#!/usr/bin/env bash
# Fails when a C++ source of the project differs from the layout in .clang-format;
# `cmake --build build --target format` lays them out.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "Every source matches .clang-format."
