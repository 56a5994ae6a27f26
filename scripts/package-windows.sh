#!/usr/bin/env bash
# Packs the Windows build for players: dist/korvel-2024-windows-x64.zip holds the
# folder korvel-2024 with the stripped korvel.exe, its two DLLs, assets/, the
# root marker (CMakeLists.txt), a read-me for Windows players and the licence of
# every library inside the game.
#   scripts/package-windows.sh                    build (scripts/windows-build.sh korvel) and pack
#   scripts/package-windows.sh BUILD_DIR [ZIP]    pack what BUILD_DIR holds, into ZIP
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$#" -eq 0 ]; then
    scripts/windows-build.sh korvel
fi
build="${1:-build-windows}"
zip_file="$(realpath -m "${2:-dist/korvel-2024-windows-x64.zip}")"
prefix="$(sed -n 's/^KORVEL_WINDOWS_PREFIX:[A-Z]*=//p' "$build/CMakeCache.txt")"
if [ ! -f "$build/korvel.exe" ] || [ ! -d "$prefix/share/licenses" ]; then
    echo "package-windows: no Windows build in $build (scripts/windows-build.sh makes one)" >&2
    exit 1
fi

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
game="$stage/korvel-2024"
mkdir -p "$game"
cp "$build/korvel.exe" "$build/"*.dll "$game/"
x86_64-w64-mingw32-strip --strip-unneeded "$game/"*.exe "$game/"*.dll
cp -r assets "$game/"
printf '# Marks the game'"'"'s folder: korvel.exe looks for its assets from its own folder up to\r\n# the one holding this file, never above it.\r\n' >"$game/CMakeLists.txt"
sed 's/$/\r/' docs/windows-players-readme.txt >"$game/README.txt"
cp -r "$prefix/share/licenses" "$game/licenses"

mkdir -p "$(dirname "$zip_file")"
rm -f "$zip_file"
(cd "$stage" && zip -q -r -X "$zip_file" korvel-2024)
echo "Wrote $zip_file ($(du -h "$zip_file" | cut -f1))"
