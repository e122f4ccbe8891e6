# The data file tool `tbx` must run on the build machine: the build packs
# data/Olvane.txt with it. In a cross build the target's tbx.exe cannot run
# here, so a host copy is compiled from the same sources with the host's c++.
# OLVANE_TBX is the command that packs, in every kind of build.
set(OLVANE_TBX_SOURCES
    ${CMAKE_SOURCE_DIR}/tools/tbx/TbxMain.cpp
    ${CMAKE_SOURCE_DIR}/tools/tbx/TbxCommands.cpp
    ${CMAKE_SOURCE_DIR}/tools/tbx/Scrambler.cpp
    ${CMAKE_SOURCE_DIR}/database/DataFileReader.cpp
    ${CMAKE_SOURCE_DIR}/database/DatabaseParser.cpp
    ${CMAKE_SOURCE_DIR}/selection/DatabaseUsability.cpp)

if(CMAKE_CROSSCOMPILING)
    find_program(OLVANE_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
    set(OLVANE_TBX ${CMAKE_BINARY_DIR}/host/tbx)
    add_custom_command(
        OUTPUT ${OLVANE_TBX}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
        COMMAND ${OLVANE_HOST_CXX} -std=c++17 -O1 -I${CMAKE_SOURCE_DIR}
                ${OLVANE_TBX_SOURCES} -o ${OLVANE_TBX}
        DEPENDS ${OLVANE_TBX_SOURCES}
        COMMENT "Building the host data file tool")
    add_custom_target(host_tbx DEPENDS ${OLVANE_TBX})
else()
    set(OLVANE_TBX $<TARGET_FILE:tbx>)
endif()

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
