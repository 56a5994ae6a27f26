#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
KORVEL_BUILD_TESTS=OFF scripts/build.sh
exec build/korvel "$@"
