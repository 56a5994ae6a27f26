#!/usr/bin/env bash
# korvel.exe needs, besides its two LGPL libraries shipped beside it (OpenAL
# Soft and libsndfile), only DLLs that come with every Windows; so do those two.
# No C or C++ runtime DLL of the compiler (libstdc++, libgcc, winpthread).
#   import_table.sh KORVEL_EXE
set -uo pipefail
game="$1"
folder="$(dirname "$game")"
shipped="openal32.dll libsndfile.dll"
windows="kernel32.dll user32.dll gdi32.dll opengl32.dll shell32.dll advapi32.dll ole32.dll oleaut32.dll
         winmm.dll msvcrt.dll"

imports() {
    x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort
}

status=0
for file in "$game" "$folder/OpenAL32.dll" "$folder/libsndfile.dll"; do
    [ -f "$file" ] || { echo "FAILED: $file is missing"; status=1; continue; }
    allowed="$windows"
    [ "$file" = "$game" ] && allowed="$allowed $shipped"
    for dll in $(imports "$file"); do
        if ! grep -qwF -- "$dll" <<<"$allowed"; then
            echo "FAILED: $(basename "$file") imports $dll, which Windows does not ship"
            status=1
        fi
    done
    echo "$(basename "$file"): $(imports "$file" | tr '\n' ' ')"
done
# The two must really be DLLs of the game, not linked into it.
for dll in $shipped; do
    imports "$game" | grep -qx "$dll" || { echo "FAILED: korvel.exe does not import $dll"; status=1; }
done
exit "$status"
