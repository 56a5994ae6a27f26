# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers, POSIX
# thread model (std::thread and std::mutex need it). The libraries come from one
# prefix that scripts/windows-deps.sh builds with this same file:
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/windows-toolchain.cmake \
#         -DKORVEL_WINDOWS_PREFIX=<the prefix windows-deps.sh prints>
#
# scripts/windows-build.sh does exactly that. Everything is linked statically
# (the C++ runtime included) except the DLLs the prefix holds in bin/, and
# test programs run under Wine (scripts/wine-run.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# try_compile() runs this file again in a project of its own: the prefix goes
# along through the environment.
if(KORVEL_WINDOWS_PREFIX)
    set(ENV{KORVEL_WINDOWS_PREFIX} "${KORVEL_WINDOWS_PREFIX}")
else()
    set(KORVEL_WINDOWS_PREFIX "$ENV{KORVEL_WINDOWS_PREFIX}")
endif()
if(NOT KORVEL_WINDOWS_PREFIX)
    message(FATAL_ERROR "Set KORVEL_WINDOWS_PREFIX to the library prefix (scripts/windows-deps.sh prints it)")
endif()

# Headers and libraries from the prefix and the cross compiler only, never the
# Linux ones; programs (pkg-config, wine) from the host.
set(CMAKE_FIND_ROOT_PATH "${KORVEL_WINDOWS_PREFIX}" /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_PREFIX_PATH "${KORVEL_WINDOWS_PREFIX}")

# pkg-config reads only the prefix's modules, with the private libraries a
# static library needs on the link line (Libs.private: GLFW's gdi32 and so on).
set(ENV{PKG_CONFIG_LIBDIR} "${KORVEL_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(PKG_CONFIG_ARGN --static)

# The C and C++ runtimes and winpthreads go inside every program and DLL, so
# none needs a runtime DLL that Windows does not ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)

# Test programs run under Wine, with the prefix's DLLs on their path and a Wine
# prefix of the build's own. Tests are listed when ctest runs, so building needs
# no Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh"
    --dlls "${KORVEL_WINDOWS_PREFIX}/bin" --wineprefix "${CMAKE_BINARY_DIR}/wine-prefix")
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
