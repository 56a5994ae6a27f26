#!/usr/bin/env bash
# Builds the libraries of the Windows build from their upstream source archives
# with the MinGW-w64 POSIX-thread compilers, and prints the prefix they are
# installed in (the one line on standard output; progress goes to standard error).
#
#   scripts/windows-deps.sh          check the archives, build the prefix unless it exists, print it
#   scripts/windows-deps.sh --check  only check the archives
#
# The archives are looked for in $KORVEL_WINDOWS_SOURCES, else in
# ../shared/windows-sources beside this repository or beside the repository it
# was cloned from (scripts/windows-common.sh). Each must match its SHA-256 in
# scripts/windows-sources.sha256 before anything is unpacked: a missing or
# altered archive stops the script with one line naming it, status 3 (missing)
# or 4 (altered).
#
# The prefix lives under ~/.cache/korvel (or $XDG_CACHE_HOME/korvel), named by a
# hash of everything that goes into it: the archives' hashes, this script, the
# toolchain file, the compilers and the Debian packages copied in. Every clone on
# the machine reuses it while those stay the same, as ccache does for objects.
#
# Upstream sources are built as they are; their faults are worked round with
# flags (OpenAL Soft 1.19.1 defines three tables in a header, which GCC 10 and
# later refuse without -fcommon). OpenAL Soft and libsndfile become DLLs (LGPL:
# a player may swap them), everything else static libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-common.sh

sources="$(windows_sources_folder)"
check=0
check_windows_archives "$sources" || check=$?
if [ "$check" -ne 0 ]; then
    exit "$check"
fi
if [ "${1:-}" = "--check" ]; then
    exit 0
fi

prefix="$(windows_prefix_path)"
mkdir -p "$(dirname "$prefix")"
# One build per prefix at a time: a second clone waits and then reuses it.
exec 9>"$prefix.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "Windows libraries: reusing $prefix" >&2
    echo "$prefix"
    exit 0
fi

echo "Building the Windows libraries into $prefix (several minutes)..." >&2
rm -rf "$prefix"
work="$(mktemp -d "${TMPDIR:-/tmp}/korvel-windows-deps.XXXXXX")"
trap 'rm -rf "$work"' EXIT
# Where the caller uses ccache (CMAKE_<LANG>_COMPILER_LAUNCHER), a later build in
# another scratch folder still finds its objects.
export CCACHE_BASEDIR="$work"
toolchain="$PWD/cmake/windows-toolchain.cmake"
jobs="$(nproc)"

unpack() {
    tar -xJf "$sources/$1.tar.xz" -C "$work"
}

# Configures, builds and installs one CMake project; its output goes to a log
# that is shown only when a step fails.
cmake_library() {
    local name="$1" source="$2"
    shift 2
    local log="$work/$name.log" started=$SECONDS
    if ! { cmake -S "$source" -B "$work/build-$name" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
               -DKORVEL_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" \
               -DCMAKE_BUILD_TYPE=Release "$@" &&
           cmake --build "$work/build-$name" -j"$jobs" &&
           cmake --install "$work/build-$name"; } >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "windows-deps: building $name failed (the end of its log is above)" >&2
        exit 1
    fi
    echo "  $name: $((SECONDS - started)) s" >&2
}

licence() {
    local name="$1"
    shift
    mkdir -p "$prefix/share/licenses/$name"
    cp "$@" "$prefix/share/licenses/$name/"
}

# A pkg-config module for a library that brings none of its own (or one that
# does not fit a Windows prefix).
pc_file() {
    local name="$1" version="$2" cflags="$3" libs="$4"
    mkdir -p "$prefix/lib/pkgconfig"
    printf 'prefix=%s\nincludedir=${prefix}/include\nlibdir=${prefix}/lib\n\nName: %s\nDescription: %s for the Windows build\nVersion: %s\nCflags: %s\nLibs: %s\n' \
        "$prefix" "$name" "$name" "$version" "$cflags" "$libs" >"$prefix/lib/pkgconfig/$name.pc"
}

unpack glfw-3.3.8
cmake_library glfw "$work/glfw-3.3.8" -DBUILD_SHARED_LIBS=OFF \
    -DGLFW_BUILD_EXAMPLES=OFF -DGLFW_BUILD_TESTS=OFF -DGLFW_BUILD_DOCS=OFF
licence glfw "$work/glfw-3.3.8/LICENSE.md"

# GLEW's own module would ask for a "gl" module that Windows has none of.
unpack glew-cmake-2.2.0
cmake_library glew "$work/glew-cmake-2.2.0" -Dglew-cmake_BUILD_SHARED=OFF -Dglew-cmake_BUILD_STATIC=ON \
    -DONLY_LIBS=ON
pc_file glew 2.2.0 '-I${includedir} -DGLEW_STATIC -DGLEW_NO_GLU' '-L${libdir} -lglew -lopengl32'
licence glew "$work/glew-cmake-2.2.0/doc/"{glew.txt,mesa.txt,khronos.txt}

# inih has no CMake build: its one source file, compiled as Debian does (no options).
unpack inih-r55
mkdir -p "$prefix/include" "$prefix/lib"
x86_64-w64-mingw32-gcc-posix -O2 -c "$work/inih-r55/ini.c" -o "$work/ini.o"
x86_64-w64-mingw32-ar rcs "$prefix/lib/libinih.a" "$work/ini.o"
cp "$work/inih-r55/ini.h" "$prefix/include/"
pc_file inih 55 '-I${includedir}' '-L${libdir} -linih'
licence inih "$work/inih-r55/LICENSE.txt"

unpack bullet3-3.24
cmake_library bullet "$work/bullet3-3.24" -DBUILD_SHARED_LIBS=OFF -DBUILD_BULLET3=OFF -DBUILD_EXTRAS=OFF \
    -DBUILD_CPU_DEMOS=OFF -DBUILD_BULLET2_DEMOS=OFF -DBUILD_OPENGL3_DEMOS=OFF -DBUILD_UNIT_TESTS=OFF \
    -DBUILD_PYBULLET=OFF -DUSE_GRAPHICAL_BENCHMARK=OFF -DBUILD_ENET=OFF -DBUILD_CLSOCKET=OFF \
    -DUSE_GLUT=OFF -DINSTALL_LIBS=ON
licence bullet "$work/bullet3-3.24/LICENSE.txt"

# The game reads OBJ and glTF only; zlib comes from Assimp's own copy.
unpack assimp-5.2.5
cmake_library assimp "$work/assimp-5.2.5" -DBUILD_SHARED_LIBS=OFF -DASSIMP_BUILD_TESTS=OFF \
    -DASSIMP_BUILD_ASSIMP_TOOLS=OFF -DASSIMP_BUILD_SAMPLES=OFF -DASSIMP_BUILD_ALL_IMPORTERS_BY_DEFAULT=OFF \
    -DASSIMP_BUILD_OBJ_IMPORTER=ON -DASSIMP_BUILD_GLTF_IMPORTER=ON -DASSIMP_NO_EXPORT=ON \
    -DASSIMP_BUILD_ZLIB=ON -DASSIMP_WARNINGS_AS_ERRORS=OFF -DASSIMP_INSTALL_PDB=OFF \
    -DASSIMP_IGNORE_GIT_HASH=ON -DASSIMP_BUILD_DRACO=OFF
# Its module leaves out the zlib a static build needs.
pc_file assimp 5.2.5 '-I${includedir}' '-L${libdir} -lassimp -lzlibstatic'
contrib="$work/assimp-5.2.5/contrib"
licence assimp "$work/assimp-5.2.5/LICENSE"
licence assimp/zlib "$contrib/zlib/README"
licence assimp/pugixml "$contrib/pugixml/readme.txt"
licence assimp/rapidjson "$contrib/rapidjson/license.txt"
licence assimp/poly2tri "$contrib/poly2tri/LICENSE"
licence assimp/clipper "$contrib/clipper/License.txt"
licence assimp/openddlparser "$contrib/openddlparser/LICENSE"

# A DLL; the wave-file driver stays in, as on Linux (the sound tests play through it).
unpack openal-soft-1.19.1
cmake_library openal "$work/openal-soft-1.19.1" -DLIBTYPE=SHARED -DCMAKE_C_FLAGS=-fcommon \
    -DALSOFT_UTILS=OFF -DALSOFT_NO_CONFIG_UTIL=ON -DALSOFT_EXAMPLES=OFF -DALSOFT_TESTS=OFF \
    -DALSOFT_CONFIG=OFF -DALSOFT_HRTF_DEFS=OFF -DALSOFT_AMBDEC_PRESETS=OFF -DALSOFT_BUILD_IMPORT_LIB=OFF \
    -DALSOFT_BACKEND_WAVE=ON
licence openal-soft "$work/openal-soft-1.19.1/COPYING"

# A DLL. The game's sounds are WAV files: no external codecs.
unpack libsndfile-1.2.0
cmake_library sndfile "$work/libsndfile-1.2.0" -DBUILD_SHARED_LIBS=ON -DENABLE_EXTERNAL_LIBS=OFF \
    -DENABLE_MPEG=OFF -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF -DENABLE_CPACK=OFF \
    -DINSTALL_MANPAGES=OFF -DBUILD_REGTEST=OFF
licence libsndfile "$work/libsndfile-1.2.0/COPYING"

# GoogleTest for the test programs, from Debian's sources (libgtest-dev).
cmake_library googletest /usr/src/googletest -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON

# Header-only libraries from Debian's packages, as the Linux build uses them.
cp -r /usr/include/glm /usr/include/rapidjson /usr/include/stb "$prefix/include/"
mkdir -p "$prefix/share/cmake"
cp -r /usr/share/cmake/glm "$prefix/share/cmake/"
pc_file RapidJSON 1.1.0 '-I${includedir}' ''
licence glm /usr/share/doc/libglm-dev/copyright
licence rapidjson /usr/share/doc/rapidjson-dev/copyright
licence stb /usr/share/doc/libstb-dev/copyright

# Debian links stb's image decoder and writers into a library (libstb); so does
# this one. File names are UTF-8 on Windows too, as everywhere in the game.
cat >"$work/stb.c" <<'EOF'
#define STBI_WINDOWS_UTF8
#define STBIW_WINDOWS_UTF8
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_DXT_IMPLEMENTATION
#include <stb_image.h>
#include <stb_image_write.h>
#include <stb_dxt.h>
EOF
x86_64-w64-mingw32-gcc-posix -O2 -I"$prefix/include/stb" -c "$work/stb.c" -o "$work/stb.o"
x86_64-w64-mingw32-ar rcs "$prefix/lib/libstb.a" "$work/stb.o"
pc_file stb 0.0 '-I${includedir} -I${includedir}/stb' '-L${libdir} -lstb'

# The MinGW-w64 runtime (winpthreads, CRT start-up code) and GCC's runtime go
# into every program.
licence mingw-w64-runtime /usr/share/doc/mingw-w64-x86-64-dev/copyright
licence gcc-runtime /usr/share/doc/gcc-mingw-w64-base/copyright

windows_prefix_inputs >"$prefix/inputs.txt"
touch "$prefix/.complete"
echo "Windows libraries ready: $(du -sh "$prefix" | cut -f1) in $prefix" >&2
echo "$prefix"
