#!/usr/bin/env bash
# Installs what is missing, builds the game with its tests and runs every test.
# Tests that need OpenGL get a virtual display from Xvfb, so no screen is needed.
# Every test must run: a skipped one fails the run (scripts/run-ctest.sh).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
echo "Testing in build/..."
scripts/run-ctest.sh build
# Second stage: the same tests again, built with the address and
# undefined-behaviour sanitizers.
scripts/sanitize.sh
# Third stage: everything built for 64-bit Windows and every test run there
# under Wine (without the Windows library archives, one line says it did not run).
scripts/windows-tests.sh
