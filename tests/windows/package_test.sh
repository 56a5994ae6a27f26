#!/usr/bin/env bash
# The players' zip (scripts/package-windows.sh): unpacked into a folder whose
# path has a space and letters from outside any one code page, and started from
# another working directory under Wine, the game renders the same first frame
# as the Linux build.
#   package_test.sh LINUX_GAME WINDOWS_BUILD_DIR WINE_RUNNER...
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/compare.sh"
linux_game="$1"
build="$2"
shift 2  # what is left runs a Windows program under Wine
[ -x "$linux_game" ] || cannot_run "no Linux build of the game at $linux_game"

"$here/../../scripts/package-windows.sh" "$build" "$scratch/korvel.zip" >/dev/null || exit 1
folder="$scratch/Spiele – Ärger 迷宫/x y"
mkdir -p "$folder" "$scratch/elsewhere" "$scratch/linux"
unzip -q "$scratch/korvel.zip" -d "$folder"
game="$folder/korvel-2024"
for file in korvel.exe OpenAL32.dll libsndfile.dll README.txt CMakeLists.txt assets/settings/window.ini \
    licenses/openal-soft/COPYING licenses/libsndfile/COPYING licenses/glfw/LICENSE.md; do
    [ -f "$game/$file" ] || fail "the package has no $file"
done
if x86_64-w64-mingw32-objdump -h "$game/korvel.exe" | grep -q '\.debug'; then
    fail "korvel.exe in the package is not stripped"
fi

(cd "$scratch/elsewhere" && "$@" "$game/korvel.exe" --run_headless --filename frame </dev/null >output.txt 2>&1) ||
    fail "the packaged game ended with status $?: $(tr -d '\r' <"$scratch/elsewhere/output.txt")"
(cd "$scratch/linux" && "$linux_game" --run_headless --filename frame </dev/null >/dev/null 2>&1) ||
    fail "the Linux game ended with status $?"
[ "$status" -eq 0 ] && compare_frames "$scratch/linux/frame.ppm" "$scratch/elsewhere/frame.ppm"
exit "$status"
