#!/usr/bin/env bash
# Configures and builds the game (and, unless told otherwise, the tests) in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

tests="${KORVEL_BUILD_TESTS:-ON}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_BUILD_TESTS="$tests" >/dev/null
cmake --build build -j"$(nproc)"
