#!/usr/bin/env bash
# Compiles every translation unit of src/ for 64-bit Windows with Debian's
# MinGW-w64 cross compiler (-fsyntax-only: nothing is linked, since no package
# provides Windows builds of the libraries). Catches what only a Windows
# compiler sees: windows.h macros, missing includes that glibc happens to
# provide, POSIX calls outside #ifdef _WIN32.
#
# The libraries' own headers are the Linux packages' (they are the same on
# Windows); each is linked into build-windows-headers/, so that folder holds
# only them and the whole of /usr/include never stands in front of the
# compiler's Windows headers.
#   scripts/windows-check.sh            every .cpp under src/
#   scripts/windows-check.sh FILE...    only these
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=x86_64-w64-mingw32-g++
headers=build-windows-headers

# Header files and folders the game includes, as they sit under /usr/include,
# and where each goes inside $headers. Add a line for a new library.
links=(
    "GL/glew.h              GL/glew.h"
    "GL/wglew.h             GL/wglew.h"
    "GLFW                   GLFW"
    "glm                    glm"
    "assimp                 assimp"
    "stb                    stb"
    "ini.h                  ini.h"
    "INIReader.h            INIReader.h"
    "bullet                 bullet"
    "AL                     AL"
    "sndfile.h              sndfile.h"
    "rapidjson              rapidjson"
)

echo "Checking that every source file compiles for Windows (MinGW-w64, syntax only)..."
rm -rf "$headers"
for link in "${links[@]}"; do
    read -r source target <<<"$link"
    mkdir -p "$headers/$(dirname "$target")"
    ln -s "/usr/include/$source" "$headers/$target"
done

# The compiler predefines _WIN32 and _WIN64; saying so keeps the intent visible.
# The libraries' headers are system headers, as they are on Linux: their own
# warnings (RapidJSON's use of the deprecated std::iterator) are not ours.
flags=(-std=c++17 -fsyntax-only -D_WIN32 -Wall -Wextra
       -Isrc -isystem "$headers" -isystem "$headers/bullet")

# One translation unit: silent when it compiles without a word.
check_unit() {
    local output
    if ! output=$("$compiler" "${flags[@]}" "$1" 2>&1) || [ -n "$output" ]; then
        printf '%s\n' "$output"
        return 1
    fi
}
export -f check_unit
export compiler
export flags_text="${flags[*]}"

if [ "$#" -gt 0 ]; then
    units=("$@")
else
    mapfile -t units < <(find src -name '*.cpp' | sort)
fi
# Two at a time, as the machine's other builds allow; xargs ends with 123 when
# any unit failed.
if ! printf '%s\0' "${units[@]}" |
        xargs -0 -n1 -P2 bash -c 'read -ra flags <<<"$flags_text"; check_unit "$0"'; then
    echo "Windows compile check: FAILED (the compiler's words are above)"
    exit 1
fi
echo "Windows compile check: all ${#units[@]} translation units compile"
