#!/usr/bin/env bash
# Cross-builds everything (game, tests, benchmarks, asset generator) for 64-bit
# Windows in build-windows/, with the same CMake files as the Linux build and the
# libraries of scripts/windows-deps.sh (built first when missing):
#   scripts/windows-build.sh             everything
#   scripts/windows-build.sh korvel      only these targets
# The game lands at build-windows/korvel.exe with its two DLLs beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

prefix="$(scripts/windows-deps.sh)"
echo "Configuring build-windows/..."
# -O2 as the Linux build, without its debug information: the Windows build is
# for testing and shipping, and MinGW's linker is slow on large debug sections.
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/windows-toolchain.cmake \
    -DKORVEL_WINDOWS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
echo "Building ${*:-everything} in build-windows/ for Windows..."
cmake --build build-windows -j"$(nproc)" "${targets[@]}"
