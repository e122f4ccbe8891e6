# Running Windows test executables under Wine from ctest.
#
# Every Windows test runs through wine-run.sh (the cross-compiling emulator),
# which pins a Wine prefix inside the build tree, silences Wine's debug output
# and keeps the locale fixed. The ctest fixture "wine" creates the prefix on
# first use and keeps one wineserver alive for the whole run.
if(CMAKE_CROSSCOMPILING AND WIN32)
    find_program(OLVANE_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
    find_program(OLVANE_WINE64 NAMES wine64 wine)
    get_filename_component(OLVANE_WINE_DIR ${OLVANE_WINE64} DIRECTORY)
    set(OLVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix of the tests")
    configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
        @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

    # wine_fixtures(): the set-up and clean-up tests; call once from tests/.
    function(olvane_wine_fixtures)
        add_test(NAME wine_up COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/wine-setup.sh up
            ${OLVANE_WINEPREFIX} ${OLVANE_WINE_DIR} ${CMAKE_SOURCE_DIR}/cmake/wine-prefix.reg)
        set_tests_properties(wine_up PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
        add_test(NAME wine_down COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/wine-setup.sh down
            ${OLVANE_WINEPREFIX} ${OLVANE_WINE_DIR})
        set_tests_properties(wine_down PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
    endfunction()
endif()
