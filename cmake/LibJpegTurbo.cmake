# libjpeg-turbo for the Windows builds: Debian's own source package, built once
# per build folder with this build's mingw toolchain, static, with SIMD (nasm).
#
# Gives:
#   TsJpeg::jpeg           the static library with its headers
#   TS_DJPEG_EXECUTABLE    the djpeg.exe of the same build (the decode benchmark's baseline)
#
# The source is fetched at configure time by scripts/fetch-libjpeg-source.sh into a
# cache shared by the presets; the library is built at build time as an external
# project, before anything that links it is compiled.

include(ExternalProject)

set(TS_LIBJPEG_SOURCE_CACHE "${CMAKE_SOURCE_DIR}/build/_deps/libjpeg-turbo-src"
    CACHE PATH "Where Debian's libjpeg-turbo source package is kept (shared by the presets)")
set(_ts_jpeg_source "${TS_LIBJPEG_SOURCE_CACHE}/source")

if(NOT EXISTS "${_ts_jpeg_source}/CMakeLists.txt")
    message(STATUS "Fetching Debian's libjpeg-turbo source into ${TS_LIBJPEG_SOURCE_CACHE}")
    execute_process(
        COMMAND "${CMAKE_SOURCE_DIR}/scripts/fetch-libjpeg-source.sh" "${TS_LIBJPEG_SOURCE_CACHE}"
        RESULT_VARIABLE _ts_fetch_result)
    if(NOT _ts_fetch_result EQUAL 0)
        message(FATAL_ERROR "Could not fetch the libjpeg-turbo source (see above); "
                            "scripts/setup.sh installs what the fetch needs")
    endif()
endif()

# SIMD is why we build it ourselves; without nasm it would quietly build without.
find_program(TS_NASM nasm)
if(NOT TS_NASM)
    message(FATAL_ERROR "nasm not found; run scripts/setup.sh")
endif()

# libjpeg-turbo installs a Windows build into bin, include and lib of its prefix.
set(_ts_jpeg_prefix "${CMAKE_BINARY_DIR}/_deps/libjpeg-turbo")
set(_ts_jpeg_library "${_ts_jpeg_prefix}/lib/${CMAKE_STATIC_LIBRARY_PREFIX}jpeg${CMAKE_STATIC_LIBRARY_SUFFIX}")

ExternalProject_Add(libjpeg_turbo
    SOURCE_DIR "${_ts_jpeg_source}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/_deps/libjpeg-turbo-build"
    INSTALL_DIR "${_ts_jpeg_prefix}"
    CMAKE_ARGS
        "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}"
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
        "-DCMAKE_ASM_NASM_COMPILER=${TS_NASM}"
        -DENABLE_SHARED=OFF
        -DENABLE_STATIC=ON
        -DWITH_SIMD=ON
        -DREQUIRE_SIMD=ON
        -DWITH_TURBOJPEG=OFF
        -Wno-dev
    BUILD_COMMAND "${CMAKE_COMMAND}" --build <BINARY_DIR> -j2
    INSTALL_COMMAND "${CMAKE_COMMAND}" --build <BINARY_DIR> --target install
    BUILD_BYPRODUCTS "${_ts_jpeg_library}"
    USES_TERMINAL_CONFIGURE TRUE
    USES_TERMINAL_BUILD TRUE
)

# An imported target's include folder must exist when the project is configured.
file(MAKE_DIRECTORY "${_ts_jpeg_prefix}/include")
add_library(TsJpeg::jpeg STATIC IMPORTED GLOBAL)
set_target_properties(TsJpeg::jpeg PROPERTIES
    IMPORTED_LOCATION "${_ts_jpeg_library}"
    INTERFACE_INCLUDE_DIRECTORIES "${_ts_jpeg_prefix}/include")
add_dependencies(TsJpeg::jpeg libjpeg_turbo)

set(TS_DJPEG_EXECUTABLE "${_ts_jpeg_prefix}/bin/djpeg${CMAKE_EXECUTABLE_SUFFIX}"
    CACHE INTERNAL "djpeg built with the bundled libjpeg-turbo")
