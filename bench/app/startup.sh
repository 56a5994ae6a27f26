#!/usr/bin/env bash
# Start-up time of the game: a headless run (start, one frame, its screenshot,
# shutdown) timed as a whole process, each run on an X server of its own that
# is up before the clock starts, two ways:
#   warm  Mesa's shader cache and the stored static light as an earlier start
#         left them (what every start after the first sees)
#   cold  no shader cache (MESA_SHADER_CACHE_DISABLE=true) and no stored static
#         light: what a player's first start after installing and every fresh
#         test process see, LLVM compiling every shader the first frame uses
# Given a second build, the two take turns run after run (the machine is shared
# and its load drifts: alternating keeps that out of the comparison). Prints
# every run, then the median, lowest and highest of each build and way.
#   bench/app/startup.sh [path/to/korvel] [path/to/baseline/korvel] [runs]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
game="$(realpath "${1:-$root/build/korvel}")"
baseline="${2:+$(realpath "$2")}"
runs="${3:-7}"
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# Starts an X server of our own and waits until it takes clients.
start_display() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY
}

stop_display() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}

# One timed run of build $1 the way $2 (warm or cold); prints the seconds.
timed_run() {
    local build="$1" way="$2"
    local environment=()
    if [ "$way" = cold ]; then
        environment=(MESA_SHADER_CACHE_DISABLE=true)
        rm -f "$(dirname "$build")/static_light.bin"
    fi
    start_display
    local start end
    start=$(date +%s.%N)
    local status=0
    (cd "$work" && env "${environment[@]}" "$build" --run_headless --filename "$work/shot" </dev/null \
        >"$work/output" 2>&1) || status=$?
    end=$(date +%s.%N)
    stop_display
    # A run that failed (say, a build outside its source tree, which finds no
    # assets) would only time its error.
    if [ "$status" -ne 0 ]; then
        echo "$build failed (exit status $status):" >&2
        tail -n 5 "$work/output" >&2
        exit 1
    fi
    awk -v start="$start" -v end="$end" 'BEGIN { printf "%.3f", end - start }'
}

builds=("$game")
[ -n "$baseline" ] && builds+=("$baseline")
names=(build baseline)

# An untimed start of each build first, so that "warm" finds what an earlier
# start leaves behind.
for build in "${builds[@]}"; do
    start_display
    (cd "$work" && "$build" --run_headless --filename "$work/shot" </dev/null >/dev/null 2>&1) || true
    stop_display
done

for way in warm cold; do
    for run in $(seq 1 "$runs"); do
        for index in "${!builds[@]}"; do
            seconds=$(timed_run "${builds[$index]}" "$way")
            echo "$seconds" >>"$work/${names[$index]}-$way"
            printf '%-5s run %d  %-8s %s s   (load %s)\n' "$way" "$run" "${names[$index]}" "$seconds" \
                "$(cut -d' ' -f1-3 /proc/loadavg)"
        done
    done
done

echo
echo "start-up to the first frame, headless, whole process (median of $runs runs, lowest, highest):"
for way in warm cold; do
    for index in "${!builds[@]}"; do
        file="$work/${names[$index]}-$way"
        sorted=$(sort -n "$file")
        median=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
        printf '  %-5s %-8s median %s s   lowest %s s   highest %s s   (%s)\n' "$way" "${names[$index]}" "$median" \
            "$(echo "$sorted" | head -n1)" "$(echo "$sorted" | tail -n1)" "${builds[$index]}"
    done
done
