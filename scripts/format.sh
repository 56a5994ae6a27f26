#!/usr/bin/env bash
# Formats the C++ sources the repository tracks with the layout in .clang-format.
#   scripts/format.sh            rewrite every tracked .cpp/.h under src, tools, tests, bench, fuzz
#   scripts/format.sh FILE...    only these files
#   scripts/format.sh --check    change nothing; list the files that are not formatted (status 1 if any)
# Includes are never reordered (.clang-format), so formatting cannot change
# which header comes first.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
    echo "clang-format is missing: scripts/install-deps.sh installs it (Debian package clang-format)" >&2
    exit 2
fi

check=false
if [ "${1:-}" = "--check" ]; then
    check=true
    shift
fi

files=("$@")
if [ "${#files[@]}" -eq 0 ]; then
    mapfile -t files < <(git ls-files -- src tools tests bench fuzz | grep -E '\.(cpp|h)$')
fi

if $check; then
    unformatted=0
    for file in "${files[@]}"; do
        if ! clang-format --style=file --dry-run --Werror "$file" >/dev/null 2>&1; then
            echo "$file"
            unformatted=1
        fi
    done
    exit "$unformatted"
fi

echo "Formatting ${#files[@]} files..."
printf '%s\0' "${files[@]}" | xargs -0 clang-format --style=file -i
