#!/usr/bin/env bash
# Installs what is missing, builds the game (only the game: no tests, no
# benchmarks) and starts it. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
KORVEL_BUILD_TESTS=OFF scripts/build.sh korvel
echo "Starting the game..."
exec build/korvel "$@"
