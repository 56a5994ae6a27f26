#!/usr/bin/env bash
# Frame-time figures of the whole game, measured by replaying the demo of the
# route to the goal as fast as possible at the window size of assets/settings
# (800 x 800 as shipped), three ways:
#   full     the game as it is played
#   no_map   the map hidden (what the level's walls and floors cost)
#   clear    no pass at all, only clear and swap (the floor of the machine)
# and the start-up time to the first frame (median of five headless runs).
#   bench/app/timedemo.sh [path/to/korvel]      (under a display, or run with xvfb-run -a)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
game="$(realpath "${1:-$root/build/korvel}")"
demo="$root/tests/demos/goal.demo"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

run() {
    if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a "$@"; fi
}

for mode in full no_map clear; do
    line=$(run "$game" --run_headless --timedemo --draw "$mode" --play_demo "$demo" </dev/null | grep '^Timedemo:')
    printf '%-7s %s\n' "$mode" "$line"
done

times=()
for _ in 1 2 3 4 5; do
    start=$(date +%s.%N)
    run "$game" --run_headless </dev/null >/dev/null
    end=$(date +%s.%N)
    times+=("$(awk -v start="$start" -v end="$end" 'BEGIN { printf "%.3f", end - start }')")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
printf 'start-up to the first frame (headless, whole process): median %.2f s of 5 runs\n' "$median"
