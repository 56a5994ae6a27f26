#!/usr/bin/env bash
# Windows tells the game its executable's path in at most 1,337 characters:
# started from a folder deep enough for more, the game says it cannot tell where
# it is and ends with status 1; from one a little shallower it plays. The game
# is started from outside Wine, whose file calls inside a test program falter
# on paths this long (tests/e2e checks the same rule on Linux).
#   executable_path.sh SOURCE_DIR WINDOWS_GAME WINE_RUNNER...
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/compare.sh"
tree="$1"
game="$2"
shift 2  # what is left runs a Windows program under Wine

echo "# the root of this copy" >"$scratch/CMakeLists.txt"
ln -s "$tree/assets" "$scratch/assets"
# Folders of 200 characters: as many as stay short of the limit, then one more.
deep="$scratch/build"
while [ $((2 + ${#deep} + 201 + 11)) -lt 1337 ]; do  # Z: + folders + \korvel.exe
    deep="$deep/$(printf "%0200d" "${#deep}")"
done
for deep in "$deep" "$deep/$(printf "%0200d" 0)"; do
    mkdir -p "$deep"
    cp "$game" "$(dirname "$game")"/*.dll "$deep/"
    length=$((2 + ${#deep} + 11))
    rm -f "$scratch/shot.ppm"
    (cd "$scratch" && "$@" "$deep/korvel.exe" --run_headless --draw clear --filename shot </dev/null >output.txt 2>&1)
    ended=$?
    output="$(tr -d '\r' <"$scratch/output.txt")"
    echo "$length characters: status $ended"
    if [ "$length" -ge 1337 ]; then
        [ "$ended" -eq 1 ] && grep -qx "Error retrieving executable path on Windows!" <<<"$output" ||
            fail "from $length characters: $output"
    else
        [ "$ended" -eq 0 ] && [ -f "$scratch/shot.ppm" ] || fail "from $length characters: $output"
    fi
done
exit "$status"
