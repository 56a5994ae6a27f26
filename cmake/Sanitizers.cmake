# Instrumented builds for hunting memory and undefined-behaviour faults.
#
# KORVEL_SANITIZE=ON builds every target of the tree with AddressSanitizer and
# UndefinedBehaviorSanitizer (GCC or Clang). scripts/sanitize.sh configures such
# a build in build-asan and runs the whole test suite in it with the runtime
# options and the leak suppressions of cmake/lsan.supp.
#
# KORVEL_BUILD_FUZZERS=ON (Clang only) instruments every target for libFuzzer
# coverage as well and builds the fuzz targets under fuzz/.
option(KORVEL_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KORVEL_BUILD_FUZZERS "Build the libFuzzer targets under fuzz/ (Clang only)" OFF)

set(KORVEL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer)

if(KORVEL_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "KORVEL_BUILD_FUZZERS needs Clang: configure with CXX=clang++-14 CC=clang-14")
    endif()
    # Our libraries carry coverage counters; only the fuzz targets link libFuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link ${KORVEL_SANITIZER_FLAGS})
    add_link_options(${KORVEL_SANITIZER_FLAGS})
elseif(KORVEL_SANITIZE)
    add_compile_options(${KORVEL_SANITIZER_FLAGS})
    add_link_options(${KORVEL_SANITIZER_FLAGS})
endif()
