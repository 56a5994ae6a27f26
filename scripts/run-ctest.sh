#!/usr/bin/env bash
# Runs every test of one build folder under a virtual display and fails unless
# every test ran and passed. ctest counts a skipped test as passed, so a run whose
# display or assets were missing would otherwise look green; the tests themselves
# fail instead of skipping when KORVEL_TESTS_MUST_RUN is set, and this script
# checks ctest's own summary as well.
#   scripts/run-ctest.sh BUILD_DIR [ctest arguments...]
# KORVEL_TEST_PRELOAD, when set, is preloaded into ctest and the tests only (not
# into the X server). KORVEL_BEFORE_TESTS, when set, is a command run on the
# display before ctest starts (the Windows stage starts Wine's services with it).
set -euo pipefail
build_dir="$1"
shift

export KORVEL_TESTS_MUST_RUN=1
log="$(mktemp)"
display_file="$(mktemp)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -f "$log" "$display_file"
}
trap cleanup EXIT

# A display of our own. Xvfb picks a free display number itself and reports it
# (-displayfd), so two test runs starting at once never share one, as they can
# with `xvfb-run -a`; a neighbour's server ending would take our display along.
# -noreset: by default the server resets whenever its last client leaves, and a
# test connecting during that moment is refused.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
if [ ! -s "$display_file" ]; then
    echo "FAILED: the virtual display (Xvfb) did not start"
    exit 1
fi
export DISPLAY=":$(head -n1 "$display_file")"
if [ -n "${KORVEL_BEFORE_TESTS:-}" ]; then
    bash -c "$KORVEL_BEFORE_TESTS"
fi

status=0
env ${KORVEL_TEST_PRELOAD:+LD_PRELOAD="$KORVEL_TEST_PRELOAD"} \
    ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2 "$@" </dev/null \
    2>&1 | tee "$log" || status=$?

if grep -q "The following tests did not run:" "$log"; then
    echo "FAILED: some tests were skipped or not run (listed above); every test must run here."
    exit 1
fi
exit "$status"
