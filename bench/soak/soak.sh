#!/usr/bin/env bash
# Soak run: one game process plays the route to the goal headless, lap after
# lap, for a fixed time (20 minutes unless told otherwise). The route is steered
# from the player's real position, so after each win (back in the start room)
# the next lap walks to the goal again as the first did. The game prints the
# frame-time percentiles of every minute (--timedemo); the script samples the
# process's resident memory every minute beside them, and prints it at the start
# (level loaded) and at the end. Nothing is asserted: memory should stay flat
# after the first lap.
#   nice -n 10 bench/soak/soak.sh [MINUTES] [path/to/korvel]
# Without a display it starts itself again under xvfb-run.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
root="$(cd "$(dirname "$0")/../.." && pwd)"
minutes="${1:-20}"
game="$(realpath "${2:-$root/build/korvel}")"
goal="$root/tests/demos/goal.route"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

resident_mib() { awk '/^VmRSS:/ { printf "%d", $2 / 1024 }' "/proc/$1/status" 2>/dev/null || true; }

# The route to the goal, `count` laps, behind one header line.
repeat_route() {
    local count="$1" out="$2"
    grep -m1 '^korvel-route' "$goal" >"$out"
    for _ in $(seq "$count"); do grep -v -e '^korvel-route' -e '^#' "$goal" >>"$out"; done
}

# Enough laps to outlast the soak even on a fast machine; the script stops the game.
repeat_route 400 laps.route
"$game" --run_headless --timedemo --route laps.route </dev/null >run.txt 2>&1 &
pid=$!
sleep 10   # start-up and level load
start_mib=$(resident_mib "$pid")
echo "resident memory with the level loaded: ${start_mib} MiB"

reported=0
for minute in $(seq "$minutes"); do
    sleep 60
    kill -0 "$pid" 2>/dev/null || { echo "the game ended early:"; tail -5 run.txt; exit 1; }
    wins=$(grep -c '^You won!' run.txt || true)
    lines=$(grep '^Timedemo minute' run.txt | tail -n +$(( reported + 1 )) || true)
    reported=$(grep -c '^Timedemo minute' run.txt || true)
    printf 'minute %2d: %s MiB resident, %d laps won so far\n' "$minute" "$(resident_mib "$pid")" "$wins"
    [ -n "$lines" ] && printf '           %s\n' "$lines"
done
end_mib=$(resident_mib "$pid")
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "resident memory: ${start_mib} MiB at the start, ${end_mib} MiB at the end"
