#!/usr/bin/env bash
# The Windows stage of ./run-tests.sh: builds the Windows libraries (or reuses
# them, scripts/windows-deps.sh), cross-builds everything in build-windows/
# (scripts/windows-build.sh) and runs every test there under Wine, in a virtual
# display of its own (scripts/run-ctest.sh). The Windows checks compare the game
# with the Linux build's in build/, which is built first when missing.
#
# Without the library archives the stage says in one line that it did not run,
# and why, and succeeds; where every test must run (CI or KORVEL_TESTS_MUST_RUN
# set) that fails the run instead. An archive that does not match its hash
# always fails.
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
problem="$(scripts/windows-deps.sh --check 2>&1)" || check=$?
if [ "$check" -eq 3 ] && [ -z "${CI:-}${KORVEL_TESTS_MUST_RUN:-}" ]; then
    echo "Windows stage not run: $problem"
    exit 0
elif [ "$check" -ne 0 ]; then
    echo "$problem"
    echo "FAILED: the Windows stage cannot run"
    exit 1
fi

scripts/windows-build.sh
if [ ! -x build/korvel ]; then
    scripts/build.sh korvel
fi

# A Wine prefix of the run's own, made before any test starts, and one Wine
# server that stays up for all of them: a test program then starts in well under
# a second, where every start would otherwise bring up the server and Wine's
# background services (its desktop among them) anew. Those are started on the
# tests' display before the first test, with no output of ours to hold open: one
# started by a test program keeps that program's output pipe, and ctest waits
# for the pipe to close.
export WINEPREFIX="$PWD/build-windows/wine-prefix"
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
echo "Making a Wine prefix in $WINEPREFIX..."
DISPLAY="" scripts/wine-run.sh cmd /c exit
wineserver -k 2>/dev/null || true
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT

echo "Testing in build-windows/ (under Wine)..."
KORVEL_BEFORE_TESTS="scripts/wine-run.sh cmd /c exit </dev/null >/dev/null 2>&1" \
    scripts/run-ctest.sh build-windows
