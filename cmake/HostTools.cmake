# The data file tool `tbx` must run on the build machine: the build packs
# data/Olvane.txt with it. In a cross build the target's tbx.exe cannot run
# here, so a host copy is compiled with the host's c++ from the same sources
# as the tool itself (olvane_tbx_tool(), called where olvane_tbx is defined).
# OLVANE_TBX is the command that packs, in every kind of build.
if(CMAKE_CROSSCOMPILING)
    find_program(OLVANE_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
    set(OLVANE_TBX ${CMAKE_BINARY_DIR}/host/tbx)
else()
    set(OLVANE_TBX $<TARGET_FILE:tbx>)
endif()

# olvane_sources_of(<variable> <target>...): the source files of the targets
# and of every library they pass on to what links them, each once.
function(olvane_sources_of variable)
    set(sources "")
    set(seen "")
    set(pending ${ARGN})
    while(pending)
        list(POP_FRONT pending target)
        if(NOT TARGET ${target} OR target IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${target})
        get_target_property(type ${target} TYPE)
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(own ${target} SOURCES)
            list(APPEND sources ${own})
        endif()
        get_target_property(passed ${target} INTERFACE_LINK_LIBRARIES)
        if(passed)
            list(APPEND pending ${passed})
        endif()
    endwhile()
    list(REMOVE_DUPLICATES sources)
    set(${variable} ${sources} PARENT_SCOPE)
endfunction()

# olvane_tbx_tool(<main.cpp> <library>): the tool, `main` linked with
# `library`; in a cross build its host copy, compiled from the sources of
# `main`, `library` and every library that one links.
function(olvane_tbx_tool main library)
    if(NOT CMAKE_CROSSCOMPILING)
        add_executable(tbx ${main})
        target_link_libraries(tbx PRIVATE ${library})
        olvane_warnings(tbx)
        return()
    endif()
    olvane_sources_of(sources ${library})
    add_custom_command(
        OUTPUT ${OLVANE_TBX}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
        COMMAND ${OLVANE_HOST_CXX} -std=c++17 -O1 -I${PROJECT_SOURCE_DIR} ${main} ${sources}
                -o ${OLVANE_TBX}
        DEPENDS ${main} ${sources}
        COMMENT "Building the host data file tool")
    add_custom_target(host_tbx DEPENDS ${OLVANE_TBX})
endfunction()

# olvane_pack_data(<output.tbx> <input.txt> <target name>)
function(olvane_pack_data output input target)
    if(CMAKE_CROSSCOMPILING)
        set(tool_dependency ${OLVANE_TBX})
    else()
        set(tool_dependency tbx)
    endif()
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${OLVANE_TBX} pack ${input} ${output}
        DEPENDS ${input} ${tool_dependency}
        COMMENT "Packing ${input}")
    add_custom_target(${target} ALL DEPENDS ${output})
    if(CMAKE_CROSSCOMPILING)
        add_dependencies(${target} host_tbx)
    endif()
endfunction()
