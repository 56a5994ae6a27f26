#!/usr/bin/env bash
# The Windows build's game against the Linux build's, from the same sources in
# the same run: the headless first frame, the spider demo's console lines and
# its --record_audio file (tolerances in compare.sh), and a start without a
# display, which ends with the same line and status once a character arrives.
#   matches_linux.sh LINUX_GAME WINDOWS_GAME WINE_RUNNER...
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/compare.sh"
linux_game="$1"
windows_game="$2"
shift 2  # what is left runs a Windows program under Wine
[ -x "$linux_game" ] || cannot_run "no Linux build of the game at $linux_game"

mkdir "$scratch/linux" "$scratch/windows"
spider=(--run_headless --draw clear --play_demo "$here/../demos/spider.demo" --record_audio spider.wav)

# Each game finds its assets from its own folder and writes into the working one.
run() {
    local system="$1"
    shift
    (cd "$scratch/$system" && "$@" --run_headless --filename frame </dev/null >frame.txt 2>&1 &&
        "$@" "${spider[@]}" </dev/null >spider.txt 2>&1) || fail "the $system game ended with status $?"
    local started=$SECONDS
    (cd "$scratch/$system" && { sleep 2; echo; } | env -u DISPLAY "$@" --run_headless >no-display.txt 2>&1)
    echo "status $?, $((SECONDS - started)) s" >"$scratch/$system/no-display-end.txt"
}
run linux "$linux_game"
run windows "$@" "$windows_game"
[ "$status" -eq 0 ] || exit 1

for system in linux windows; do
    if ! grep -qE '^status 1, ([2-9]|[1-9][0-9]+) s$' "$scratch/$system/no-display-end.txt"; then
        fail "without a display the $system game did not wait for its character and end with status 1: $(cat "$scratch/$system/no-display-end.txt")"
    fi
done
if [ "$(grep ERROR "$scratch/linux/no-display.txt")" != "$(tr -d '\r' <"$scratch/windows/no-display.txt" | grep ERROR)" ]; then
    fail "without a display the two games' error lines differ: $(grep -h ERROR "$scratch"/*/no-display.txt)"
fi

compare_frames "$scratch/linux/frame.ppm" "$scratch/windows/frame.ppm"
compare_recordings "$scratch/linux/spider.wav" "$scratch/windows/spider.wav"
# Console lines end as the platform's do (CR LF on Windows) and say the same.
if grep -qv $'\r$' "$scratch/windows/spider.txt"; then
    fail "a Windows console line does not end in CR LF"
fi
if ! diff <(tr -d '\r' <"$scratch/windows/spider.txt") "$scratch/linux/spider.txt"; then
    fail "the spider demo's console lines differ (Windows <, Linux >)"
fi
echo "console: $(wc -l <"$scratch/linux/spider.txt") lines, the same"
exit "$status"
