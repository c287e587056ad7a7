# GoogleTest: Debian's build natively; for mingw, built here from Debian's sources.
include(GoogleTest)
if(CMAKE_CROSSCOMPILING)
    set(TS_GTEST_SOURCE /usr/src/googletest)
    if(NOT EXISTS ${TS_GTEST_SOURCE}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources not found in ${TS_GTEST_SOURCE}; run scripts/setup.sh")
    endif()
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    add_subdirectory(${TS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    if(NOT TARGET GTest::gtest)
        add_library(GTest::gtest ALIAS gtest)
        add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
else()
    find_package(GTest REQUIRED)
endif()

# Registers a test program with CTest; under Wine the list of tests is read at test time.
function(ts_discover_tests target)
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "TS_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
