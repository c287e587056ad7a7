# Shared part of the mingw toolchain files; TS_MINGW_TRIPLET is set by the includer.
set(CMAKE_C_COMPILER ${TS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TS_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No DLL of ours or of the compiler's next to the executables.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
