#!/usr/bin/env bash
# Configures and builds in build/: everything (game, tests, benchmarks), or only
# the targets named as arguments (scripts/build.sh korvel).
set -euo pipefail
cd "$(dirname "$0")/.."

tests="${KORVEL_BUILD_TESTS:-ON}"
echo "Configuring build/..."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_BUILD_TESTS="$tests" >/dev/null
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
echo "Building ${*:-everything} in build/ (the first build takes several minutes)..."
cmake --build build -j"$(nproc)" "${targets[@]}"
