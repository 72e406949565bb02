# mingw-w64.cmake - CMake toolchain file: builds for 64-bit Windows with Debian's
# mingw-w64 cross compiler (g++-mingw-w64-x86-64-posix; the posix thread model,
# whose C++ library has std::thread and friends). Libraries, headers and CMake
# packages come only from the cross compiler's own root and the prefixes in
# CMAKE_FIND_ROOT_PATH (tools/windows/build adds the ones it builds); programs
# from the build machine. The presets windows and windows-ci (CMakePresets.json)
# name it; tools/windows/build configures with them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HUDWRIGHT_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HUDWRIGHT_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HUDWRIGHT_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${HUDWRIGHT_MINGW}-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${HUDWRIGHT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
