#!/usr/bin/env bash
# Installs what is missing, builds the game with its tests and runs every test.
# Tests that need OpenGL get a virtual display from Xvfb, so no screen is needed.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
echo "Testing in build/..."
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j2 </dev/null
# Second stage: the same tests again, built with the address and
# undefined-behaviour sanitizers.
scripts/sanitize.sh
# Third stage: every source file through the Windows cross compiler.
scripts/windows-check.sh
