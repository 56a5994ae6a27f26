#!/usr/bin/env bash
# Frame-time figures of the whole game, measured by replaying the demo of the
# route to the goal as fast as possible at the window size of assets/settings
# (800 x 800 as shipped), seven ways:
#   full     the game as it is played (render scale 1)
#   unlit    the same frame with every light replaced by the base colour (the
#            floor that lighting is measured against)
#   no_map   the map hidden (what the level's walls and floors cost)
#   clear    no pass at all, only clear and swap (the floor of the machine)
#   0.75     full, the 3-D passes drawn at 0.75 of the window and scaled up
#   0.5      the same at half the window's width and height
#   auto     full at the render scale that holds 60 frames a second
#            (render_scale = auto), with the scales it chose
# The modes take turns, round after round (the machine is shared and its load
# drifts: alternating keeps that drift out of the comparison); each mode's
# figures are those of its median round by p50. It then prints full / unlit
# and auto against its goal, the game's peak resident memory, and draws the
# frame times of full, unlit, auto and clear along the route into one graph
# (gnuplot). Start-up times: bench/app/startup.sh.
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

modes="full unlit no_map clear 0.75 0.5 auto"
# The command-line options of a mode.
options() {
    case "$1" in
    full | unlit | no_map | clear) echo "--draw $1 --render_scale 1" ;;
    *) echo "--draw full --render_scale $1" ;;
    esac
}

for round in $(seq 1 "$rounds"); do
    for mode in $modes; do
        # shellcheck disable=SC2046
        output=$(run "$game" --run_headless --timedemo --timedemo_csv "$work/$mode-$round.csv" \
                     $(options "$mode") --play_demo "$demo" </dev/null)
        line=$(echo "$output" | grep '^Timedemo:')
        scales=$(echo "$output" | grep '^Render scale' || true)
        p50=$(echo "$line" | sed -n 's/.*p50 \([0-9.]*\) ms.*/\1/p')
        echo "$p50 $round $line${scales:+   $scales}" >>"$work/$mode.lines"
        printf 'round %d  %-7s %s%s   (load %s)\n' "$round" "$mode" "$line" "${scales:+   $scales}" \
            "$(cut -d' ' -f1-3 /proc/loadavg)"
    done
done

# The median round of a mode by p50: "p50 round line".
median_round() {
    sort -n "$work/$1.lines" | sed -n "$(( (rounds + 1) / 2 ))p"
}
figure() {
    echo "$2" | sed -n "s/.* $1 \([0-9.]*\) ms.*/\1/p"
}

echo
echo "median round of each mode:"
for mode in $modes; do
    pick=$(median_round "$mode")
    printf '%-7s %s\n' "$mode" "$(echo "$pick" | cut -d' ' -f3-)"
    cp "$work/$mode-$(echo "$pick" | cut -d' ' -f2).csv" "$work/$mode.csv"
done
full=$(median_round full | cut -d' ' -f1)
unlit=$(median_round unlit | cut -d' ' -f1)
printf 'full / unlit (p50): %.2f (goal: at most 1.35)\n' "$(echo "$full / $unlit" | bc -l)"
auto=$(median_round auto)
printf 'auto: p50 %s ms, p95 %s ms (goal: p50 at most 16.7 ms, p95 at most 20 ms)\n' \
    "$(figure p50 "$auto")" "$(figure p95 "$auto")"

# Peak resident memory (GNU time's "Maximum resident set size") of a headless
# run: the level, the static light (read back or baked), one frame.
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
     "$work/auto.csv" every ::1 using 1:2 with lines lw 1 title "auto (render scale)", \
     "$work/clear.csv" every ::1 using 1:2 with lines lw 1 title "clear"
PLOT
    echo "graph: $graph"
else
    echo "gnuplot not found: no graph"
fi
