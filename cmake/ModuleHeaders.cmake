# Includes follow the link graph: a target reaches a header of src/ only when
# it links the library that owns it (directly, or through a PUBLIC link).
#
# Every library (and the game executable) gets an include root of its own in the
# build folder, build/include/<target>/, holding one small forwarding file per
# header it owns, under the header's path below src/ ("game/player.h" forwards
# to src/game/player.h). No target has src/ itself on its include path, so
# `#include "game/player.h"` in a target that does not link korvel_game stops
# the build with "No such file or directory". The names are the paths below
# src/, so a plain -Isrc resolves them all as well.
#
#   korvel_module_headers(<target> [<header>...])
#
# A target owns the header beside each of its .cpp files and the header-only
# files listed (names relative to the calling CMakeLists.txt's folder).
function(korvel_module_headers target)
    get_target_property(sources ${target} SOURCES)
    set(headers ${ARGN})
    foreach(source IN LISTS sources)
        if(source MATCHES "\\.cpp$")
            string(REGEX REPLACE "\\.cpp$" ".h" header "${source}")
            if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
                list(APPEND headers ${header})
            endif()
        endif()
    endforeach()

    set(root ${PROJECT_BINARY_DIR}/include/${target})
    file(RELATIVE_PATH module ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    set(forwards)
    foreach(header IN LISTS headers)
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        if(NOT EXISTS ${source})
            message(FATAL_ERROR "${target}: no header ${source}")
        endif()
        set(forward ${root}/${module}/${header})
        # Written only when its text changes, so a new configure rebuilds nothing.
        file(CONFIGURE OUTPUT ${forward} CONTENT "// ${target} owns this header.\n#include \"${source}\"\n")
        list(APPEND forwards ${forward})
    endforeach()

    # A header that left the target since the last configure leaves its root too.
    file(GLOB_RECURSE stale ${root}/*)
    if(forwards)
        list(REMOVE_ITEM stale ${forwards})
    endif()
    if(stale)
        file(REMOVE ${stale})
    endif()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
