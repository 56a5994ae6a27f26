# Shared by the Windows checks that run the game (sourced): a display and a
# scratch folder for each, skipping, and comparing what the two builds wrote.

# Where every test must run (CI, run-tests.sh) a check that cannot run fails;
# elsewhere it is skipped (status 77, SKIP_RETURN_CODE).
cannot_run() {
    if [ -n "${CI:-}${KORVEL_TESTS_MUST_RUN:-}" ]; then
        echo "cannot run: $1 (every test must run under CI and run-tests.sh)"
        exit 1
    fi
    echo "skipped: $1"
    exit 77
}

fail() {
    echo "FAILED: $1"
    status=1
}
status=0

[ -n "${DISPLAY:-}" ] || cannot_run "no display"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The channel values of a plain-text PPM, one a line.
pixel_values() {
    tail -n +4 "$1" | tr -s ' \n' '\n\n' | grep -v '^$'
}

# Frames: both plain-text PPM of the same size, with no carriage return (the
# writer is binary on Windows too). The compilers round a few light values
# differently, so a channel may be off by up to 2/255 in at most one pixel value
# of a thousand.
compare_frames() {
    local linux="$1" windows="$2"
    if grep -q $'\r' "$windows"; then
        fail "$windows has carriage returns: the screenshot was written in text mode"
    fi
    if [ "$(head -n3 "$linux")" != "$(head -n3 "$windows")" ]; then
        fail "the frames' headers differ: $(head -n3 "$linux" | tr '\n' ' ')/ $(head -n3 "$windows" | tr '\n' ' ')"
        return
    fi
    paste -d' ' <(pixel_values "$linux") <(pixel_values "$windows") |
        awk -v name="frame" -v largest=2 -v share=0.001 -f "$(dirname "${BASH_SOURCE[0]}")/differences.awk" ||
        fail "the frames differ beyond the tolerance"
}

# Recordings: 16-bit WAV files of the same length whose headers are the same
# bytes; a sample may be off by up to 2 in at most one sample of ten thousand.
compare_recordings() {
    local linux="$1" windows="$2"
    if ! cmp -s -n 44 "$linux" "$windows" || [ "$(stat -c %s "$linux")" != "$(stat -c %s "$windows")" ]; then
        fail "the recordings' headers or lengths differ"
        return
    fi
    paste -d' ' <(od -An -v -w2 -j44 -td2 "$linux") <(od -An -v -w2 -j44 -td2 "$windows") |
        awk -v name="sound" -v largest=2 -v share=0.0001 -f "$(dirname "${BASH_SOURCE[0]}")/differences.awk" ||
        fail "the recordings differ beyond the tolerance"
}
