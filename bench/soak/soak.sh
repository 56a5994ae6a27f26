#!/usr/bin/env bash
# Soak run: replays the demo of the route to the goal headless, over and over,
# for a fixed time (20 minutes unless told otherwise). Each round is one run of
# the game on the demo repeated enough times to last about a minute (one replay
# when a single replay already takes longer); for each round the script prints
# the frame-time percentiles the game reports (--timedemo) and its resident
# memory once loaded and when it ends, then the resident memory at the start
# and at the end of the whole soak. Nothing is asserted.
#   nice -n 10 bench/soak/soak.sh [MINUTES] [path/to/korvel]
# Without a display it starts itself again under xvfb-run.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
root="$(cd "$(dirname "$0")/../.." && pwd)"
minutes="${1:-20}"
game="$(realpath "${2:-$root/build/korvel}")"
goal="$root/tests/demos/goal.demo"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

seconds_per_round=60
settle_seconds=5   # start-up and level load before the first memory sample

resident_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || true; }

# The goal demo's frames, `count` times over, behind one header line.
repeat_demo() {
    local count="$1" out="$2"
    grep -m1 '^korvel-demo' "$goal" >"$out"
    for _ in $(seq "$count"); do grep -v -e '^korvel-demo' -e '^#' "$goal" >>"$out"; done
}

# How many replays of the goal demo fill a minute on this machine.
repeat_demo 1 once.demo
once=$("$game" --run_headless --timedemo --play_demo once.demo </dev/null | grep '^Timedemo:' |
       sed -E 's/.*frames, ([0-9.]+) s,.*/\1/')
repeats=$(awk -v s="$once" -v m="$seconds_per_round" 'BEGIN { r = int(m / s + 0.5); print (r < 1 ? 1 : r) }')
repeat_demo "$repeats" minute.demo
echo "one replay of the goal demo: ${once} s; each round replays it ${repeats} times"

first_kib=""
last_kib=""
soak_end=$(( SECONDS + minutes * 60 ))
round=0
while [ "$SECONDS" -lt "$soak_end" ]; do
    round=$(( round + 1 ))
    "$game" --run_headless --timedemo --play_demo minute.demo </dev/null >run.txt 2>&1 &
    pid=$!
    sleep "$settle_seconds"
    loaded_kib=$(resident_kib "$pid")
    end_kib="$loaded_kib"
    while kill -0 "$pid" 2>/dev/null; do
        sample=$(resident_kib "$pid")
        [ -n "$sample" ] && end_kib="$sample"
        sleep 1
    done
    wait "$pid" || echo "round $round: the game ended with status $?"
    figures=$(grep '^Timedemo:' run.txt | sed 's/^Timedemo: //' || echo "no timedemo line")
    printf 'round %2d, %3d min in: %s; resident %d MiB loaded, %d MiB at the end\n' \
        "$round" "$(( SECONDS / 60 ))" "$figures" "$(( ${loaded_kib:-0} / 1024 ))" "$(( ${end_kib:-0} / 1024 ))"
    [ -z "$first_kib" ] && first_kib="$loaded_kib"
    last_kib="$end_kib"
done
printf 'resident memory: %d MiB at the start, %d MiB at the end\n' \
    "$(( ${first_kib:-0} / 1024 ))" "$(( ${last_kib:-0} / 1024 ))"
