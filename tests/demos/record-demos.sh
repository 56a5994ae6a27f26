#!/usr/bin/env bash
# Records every route in this folder into the demo beside it:
#   tests/demos/record-demos.sh [path/to/korvel]
# The routes steer the player from its real position, so a demo has to be
# recorded again whenever the level, the physics or the game rules change;
# the end-to-end tests say so when a route no longer matches its demo.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
game="$(realpath "${1:-$root/build/korvel}")"

# A copy of the game's tree with a small window: the demos do not depend on the
# window's size, and small frames render quickly.
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
cp "$root/CMakeLists.txt" "$tree/"
mkdir -p "$tree/build" "$tree/assets/settings"
for folder in geometry shaders textures; do ln -s "$root/assets/$folder" "$tree/assets/$folder"; done
cp "$root/assets/settings/"*.ini "$tree/assets/settings/"
printf '[window]\nwidth = 160\nheight = 120\n' > "$tree/assets/settings/window.ini"
cp "$game" "$tree/build/korvel"

for route in "$here"/*.route; do
    demo="${route%.route}.demo"
    echo "recording $(basename "$demo")"
    (cd "$tree" && xvfb-run -a ./build/korvel --run_headless --filename "$tree/last" \
        --route "$route" --record_demo "$demo" </dev/null >/dev/null)
done
