# Running Windows test executables under Wine from ctest.
#
# Every Windows test runs through wine-run.sh (the cross-compiling emulator),
# which pins a Wine prefix inside the build tree, silences Wine's debug output
# and keeps the locale fixed. The ctest fixture "wine" creates the prefix on
# first use and keeps one wineserver alive for the whole run.
#
# Tests at other DPIs run in a second prefix of their own, through
# wine-run-dpi.sh, which sets the display's LogPixels before each run; the
# fixture "wine_dpi" creates that prefix and keeps its wineserver alive.
if(CMAKE_CROSSCOMPILING AND WIN32)
    find_program(OLVANE_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
    find_program(OLVANE_WINE64 NAMES wine64 wine)
    get_filename_component(OLVANE_WINE_DIR ${OLVANE_WINE64} DIRECTORY)
    set(OLVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix of the tests")
    configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
        @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
    set(OLVANE_DPI_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix-dpi CACHE PATH
        "Wine prefix of the tests at other DPIs")
    configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run-dpi.sh.in ${CMAKE_BINARY_DIR}/wine-run-dpi.sh
        @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)

    # wine_fixtures(): the set-up and clean-up tests; call once from tests/.
    function(olvane_wine_fixtures)
        add_test(NAME wine_up COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/wine-setup.sh up
            ${OLVANE_WINEPREFIX} ${OLVANE_WINE_DIR} ${CMAKE_SOURCE_DIR}/cmake/wine-prefix.reg)
        set_tests_properties(wine_up PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
        add_test(NAME wine_down COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/wine-setup.sh down
            ${OLVANE_WINEPREFIX} ${OLVANE_WINE_DIR})
        set_tests_properties(wine_down PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
        add_test(NAME wine_dpi_up COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/wine-setup.sh up
            ${OLVANE_DPI_WINEPREFIX} ${OLVANE_WINE_DIR} ${CMAKE_SOURCE_DIR}/cmake/wine-prefix.reg)
        set_tests_properties(wine_dpi_up PROPERTIES FIXTURES_SETUP wine_dpi TIMEOUT 300)
        add_test(NAME wine_dpi_down COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/wine-setup.sh down
            ${OLVANE_DPI_WINEPREFIX} ${OLVANE_WINE_DIR})
        set_tests_properties(wine_dpi_down PROPERTIES FIXTURES_CLEANUP wine_dpi TIMEOUT 60)
    endfunction()

    # olvane_add_dpi_tests(<target> DPIS <dpi...> SOURCES <files...> LIBRARIES <libs...>):
    # one GoogleTest executable, run as a whole once per DPI (test
    # <target>_at_<dpi>) in the DPI prefix, in the folder of the shipped
    # Olvane.tbx. Its cases read the DPI they run at from OLVANE_TEST_DPI.
    function(olvane_add_dpi_tests target)
        cmake_parse_arguments(ARG "" "" "DPIS;SOURCES;LIBRARIES" ${ARGN})
        add_executable(${target} ${ARG_SOURCES})
        target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
        target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
        target_compile_definitions(${target} PRIVATE OLVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
        olvane_warnings(${target})
        foreach(dpi ${ARG_DPIS})
            add_test(NAME ${target}_at_${dpi}
                COMMAND sh ${CMAKE_BINARY_DIR}/wine-run-dpi.sh ${dpi} $<TARGET_FILE:${target}>)
            set_tests_properties(${target}_at_${dpi} PROPERTIES FIXTURES_REQUIRED wine_dpi
                RESOURCE_LOCK "wine_desktop;wine_dpi" WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/data
                TIMEOUT 300)
        endforeach()
    endfunction()
endif()
