#!/usr/bin/env bash
# Frame-time figures of the whole game, measured by replaying the demo of the
# route to the goal as fast as possible at the window size of assets/settings
# (800 x 800 as shipped), four ways:
#   full     the game as it is played
#   unlit    the same frame with every light replaced by the base colour (the
#            floor that lighting is measured against)
#   no_map   the map hidden (what the level's walls and floors cost)
#   clear    no pass at all, only clear and swap (the floor of the machine)
# The modes take turns, round after round (the machine is shared and its load
# drifts: alternating keeps that drift out of the comparison); each mode's
# figures are those of its median round by p50. It then prints the start-up
# time to the first frame (median of five headless runs) and the game's peak
# resident memory, and draws the frame times of full, unlit and clear along
# the route into one graph (gnuplot).
#   bench/app/timedemo.sh [path/to/korvel] [rounds] [graph.png]
#   (under a display, or it runs the game with xvfb-run -a)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
game="$(realpath "${1:-$root/build/korvel}")"
rounds="${2:-3}"
graph="$(realpath -m "${3:-$root/docs/timedemo.png}")"
demo="$root/tests/demos/goal.demo"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

run() {
    if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a "$@"; fi
}

modes="full unlit no_map clear"
for round in $(seq 1 "$rounds"); do
    for mode in $modes; do
        line=$(run "$game" --run_headless --timedemo --timedemo_csv "$work/$mode-$round.csv" \
                   --draw "$mode" --play_demo "$demo" </dev/null | grep '^Timedemo:')
        p50=$(echo "$line" | sed -n 's/.*p50 \([0-9.]*\) ms.*/\1/p')
        echo "$p50 $round $line" >>"$work/$mode.lines"
        printf 'round %d  %-7s %s   (load %s)\n' "$round" "$mode" "$line" "$(cut -d' ' -f1-3 /proc/loadavg)"
    done
done

echo
echo "median round of each mode:"
for mode in $modes; do
    pick=$(sort -n "$work/$mode.lines" | sed -n "$(( (rounds + 1) / 2 ))p")
    printf '%-7s %s\n' "$mode" "$(echo "$pick" | cut -d' ' -f3-)"
    cp "$work/$mode-$(echo "$pick" | cut -d' ' -f2).csv" "$work/$mode.csv"
done
full=$(sort -n "$work/full.lines" | sed -n "$(( (rounds + 1) / 2 ))p" | cut -d' ' -f1)
unlit=$(sort -n "$work/unlit.lines" | sed -n "$(( (rounds + 1) / 2 ))p" | cut -d' ' -f1)
printf 'full / unlit (p50): %.2f\n' "$(echo "$full / $unlit" | bc -l)"

times=()
for _ in 1 2 3 4 5; do
    start=$(date +%s.%N)
    run "$game" --run_headless </dev/null >/dev/null
    end=$(date +%s.%N)
    times+=("$(awk -v start="$start" -v end="$end" 'BEGIN { printf "%.3f", end - start }')")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
printf 'start-up to the first frame (headless, whole process): median %.2f s of 5 runs\n' "$median"

# Peak resident memory (GNU time's "Maximum resident set size") of a headless
# run: the level, the static light bake and its read-back buffers, one frame.
# A replay stays at that level (bench/soak/soak.sh samples it minute by minute).
if [ -x /usr/bin/time ]; then
    run /usr/bin/time -f 'peak resident memory, headless start-up and one frame: %M KiB' \
        "$game" --run_headless </dev/null 2>&1 >/dev/null | grep '^peak' || true
fi

if command -v gnuplot >/dev/null; then
    mkdir -p "$(dirname "$graph")"
    gnuplot <<PLOT
set terminal pngcairo size 900,420 font ",10" noenhanced
set output "$graph"
set datafile separator ","
set key top left
set xlabel "frame of the route to the goal"
set ylabel "frame time (ms)"
set yrange [0:*]
set grid ytics
plot "$work/full.csv" every ::1 using 1:2 with lines lw 1 title "full", \
     "$work/unlit.csv" every ::1 using 1:2 with lines lw 1 title "unlit", \
     "$work/clear.csv" every ::1 using 1:2 with lines lw 1 title "clear"
PLOT
    echo "graph: $graph"
else
    echo "gnuplot not found: no graph"
fi
