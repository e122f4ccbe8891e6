# Compiler warnings shared by every target of the project.
function(olvane_warnings target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion
            -Wno-sign-conversion)
    elseif(MSVC)
        target_compile_options(${target} PRIVATE /W4)
    endif()
endfunction()

option(OLVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(OLVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# olvane_library(<name> <folder> [WINDOWS] [EXCLUDE files...] [INCLUDE dir] [LINK libs...])
# The one way a library of the program is declared: a static library of
# every .cpp in <folder> (an interface library while the folder holds only
# headers, or when the folder is "" for a library of links alone), with the
# project root, or INCLUDE, as include path. WINDOWS adds the Win32
# build settings every Windows library shares: Unicode windows, Windows 7 as
# the oldest target, lean headers, and the system libraries.
function(olvane_library name folder)
    cmake_parse_arguments(ARG "WINDOWS" "INCLUDE" "EXCLUDE;LINK" ${ARGN})
    set(sources "")
    if(folder)
        file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    endif()
    foreach(excluded ${ARG_EXCLUDE})
        list(REMOVE_ITEM sources ${folder}/${excluded})
    endforeach()
    if(sources)
        add_library(${name} STATIC ${sources})
        set(scope PUBLIC)
        olvane_warnings(${name})
    else()
        add_library(${name} INTERFACE)
        set(scope INTERFACE)
    endif()
    if(NOT ARG_INCLUDE)
        set(ARG_INCLUDE ${PROJECT_SOURCE_DIR})
    endif()
    target_include_directories(${name} ${scope} ${ARG_INCLUDE})
    target_link_libraries(${name} ${scope} ${ARG_LINK})
    if(ARG_WINDOWS)
        target_compile_definitions(${name} ${scope} UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
            _WIN32_WINNT=0x0601 WINVER=0x0601)
        target_link_libraries(${name} ${scope} comctl32 comdlg32 gdi32 user32 advapi32 version
            shell32)
    endif()
endfunction()
