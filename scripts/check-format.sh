#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ ${#files[@]} -eq 0 ]; then
    exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "Some files are not formatted: run clang-format -i on them." >&2
    exit 1
fi
