#!/usr/bin/env bash
# Runs every test of one build folder under a virtual display and fails unless
# every test ran and passed. ctest counts a skipped test as passed, so a run whose
# display or assets were missing would otherwise look green; the tests themselves
# fail instead of skipping when KORVEL_TESTS_MUST_RUN is set, and this script
# checks ctest's own summary as well.
#   scripts/run-ctest.sh BUILD_DIR [ctest arguments...]
# KORVEL_TEST_PRELOAD, when set, is preloaded into ctest and the tests only (not
# into the X server).
set -euo pipefail
build_dir="$1"
shift

export KORVEL_TESTS_MUST_RUN=1
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

status=0
xvfb-run -a -s "-screen 0 1280x1024x24" env ${KORVEL_TEST_PRELOAD:+LD_PRELOAD="$KORVEL_TEST_PRELOAD"} \
    ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2 "$@" </dev/null \
    2>&1 | tee "$log" || status=$?

if grep -q "The following tests did not run:" "$log"; then
    echo "FAILED: some tests were skipped or not run (listed above); every test must run here."
    exit 1
fi
exit "$status"
