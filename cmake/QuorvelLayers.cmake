# The program is built in layers, lowest first: core, data, distribution, display, windows.
# Every source includes headers by their path under src/ ("core/clock.h"), but a layer's
# library only sees the folders of its own layer and of the layers it links: each layer gets an
# include root of its own in the build tree holding a single link to its folder. An include that
# runs upward (display reaching into windows, core into data) then fails to compile.

# Compile options every target of the project takes: warnings, and the sanitizers when asked.
# The fuzz project defines its own quorvel_build_flags before including the layers.
if(NOT TARGET quorvel_build_flags)
    add_library(quorvel_build_flags INTERFACE)
    target_compile_options(quorvel_build_flags INTERFACE
        -Wall -Wextra -Wsuggest-override
        -Werror=return-type -Werror=init-self -Werror=undef)
    if(QUORVEL_SANITIZE)
        target_compile_options(quorvel_build_flags INTERFACE
            -fsanitize=address,undefined -fno-omit-frame-pointer
            -fno-sanitize-recover=undefined)
        target_link_options(quorvel_build_flags INTERFACE -fsanitize=address,undefined)
    endif()
endif()

# The program's own code keeps text Unicode throughout: no silent conversion between QString
# and 8-bit strings. Taken privately by the layers, so tests and tools may still write "text".
if(NOT TARGET quorvel_strict_strings)
    add_library(quorvel_strict_strings INTERFACE)
    target_compile_definitions(quorvel_strict_strings INTERFACE
        QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endif()

set(QUORVEL_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)
cmake_path(NORMAL_PATH QUORVEL_SOURCE_ROOT)

# quorvel_layer(<target> <folder under src/> SOURCES ... LINKS ...)
function(quorvel_layer target folder)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    set(root ${CMAKE_BINARY_DIR}/layer-includes/${folder})
    file(MAKE_DIRECTORY ${root})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${QUORVEL_SOURCE_ROOT}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC quorvel_build_flags ${ARG_LINKS}
                          PRIVATE quorvel_strict_strings)
endfunction()
