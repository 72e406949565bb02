# stb.cmake - stb_image's header from Debian's libstb-dev (stb/stb_image.h) as
# the target hudwright_stb: its folder alone, as a system include (the
# header's own warnings are not this project's), never the library beside it:
# draw/stb_image.cpp compiles the two decoders the program uses. The Windows
# build takes the same header from the build machine - plain C that checks its
# platform itself - and only that folder, so the cross compiler keeps taking
# the C library's headers from its own root.
find_path(HUDWRIGHT_STB_DIR stb_image.h PATHS /usr/include/stb /usr/local/include/stb PATH_SUFFIXES stb
  NO_CMAKE_FIND_ROOT_PATH)
if(NOT HUDWRIGHT_STB_DIR)
  message(FATAL_ERROR "stb_image.h not found: install Debian's libstb-dev (tools/install-deps build does)")
endif()
add_library(hudwright_stb INTERFACE)
target_include_directories(hudwright_stb SYSTEM INTERFACE ${HUDWRIGHT_STB_DIR})
