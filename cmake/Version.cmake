# The program's version is the project version, set once in project() of the
# top-level CMakeLists.txt. It is written into generated/ProgramVersion.h for
# the version resource and generated/Program.manifest for the application
# manifest; the release files are named with it. Targets that compile the
# resources link olvane_version to find both.
if(PROJECT_VERSION_TWEAK STREQUAL "")
    set(OLVANE_VERSION_BUILD 0)
else()
    set(OLVANE_VERSION_BUILD ${PROJECT_VERSION_TWEAK})
endif()
set(OLVANE_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/resources/ProgramVersion.h.in
    ${OLVANE_GENERATED_DIR}/ProgramVersion.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/Program.manifest.in
    ${OLVANE_GENERATED_DIR}/Program.manifest @ONLY)
olvane_library(olvane_version "" INCLUDE ${OLVANE_GENERATED_DIR})
