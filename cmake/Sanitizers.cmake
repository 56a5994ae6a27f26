# Instrumented builds for hunting memory and undefined-behaviour faults.
#
# KORVEL_SANITIZE=ON builds every target of the tree with AddressSanitizer and
# UndefinedBehaviorSanitizer (GCC or Clang). scripts/sanitize.sh configures such
# a build in build-asan and runs the whole test suite in it with the runtime
# options, the leak suppressions of cmake/lsan.supp and the preload of
# keep_libraries_loaded.c.
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
    # Made before the flags below so that it carries no instrumentation of its
    # own: it is preloaded into the test runs (scripts/sanitize.sh).
    add_library(korvel_keep_libraries_loaded MODULE ${CMAKE_CURRENT_LIST_DIR}/keep_libraries_loaded.c)
    target_link_libraries(korvel_keep_libraries_loaded PRIVATE korvel_warnings)
    add_compile_options(${KORVEL_SANITIZER_FLAGS})
    add_link_options(${KORVEL_SANITIZER_FLAGS})
endif()
