# sdl.cmake - finds SDL 1.2 (pkg-config, else sdl-config) as the target
# hudwright_sdl, and says at configure time which one it is: classic SDL 1.2
# or sdl12-compat (SDL 1.2's interface over SDL2), and its version. Sets
# HUDWRIGHT_SDL_KIND (classic or compat) and HUDWRIGHT_SDL_VERSION for the test
# set-up (cmake/lsan.cmake). The program itself does not depend on which: what
# differs between the two is handled at run time, where a built program may
# meet either library.

if(TARGET hudwright_sdl) # made by cmake/windows.cmake for a Windows build
  return()
endif()

find_package(PkgConfig)
if(PkgConfig_FOUND)
  pkg_check_modules(SDL IMPORTED_TARGET sdl)
endif()
if(SDL_FOUND)
  add_library(hudwright_sdl INTERFACE)
  target_link_libraries(hudwright_sdl INTERFACE PkgConfig::SDL)
  set(HUDWRIGHT_SDL_VERSION ${SDL_VERSION})
  set(sdl_from "pkg-config, ${SDL_LINK_LIBRARIES}")
else()
  find_program(SDL_CONFIG sdl-config REQUIRED)
  execute_process(COMMAND ${SDL_CONFIG} --cflags OUTPUT_VARIABLE SDL_CFLAGS OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${SDL_CONFIG} --libs OUTPUT_VARIABLE SDL_LIBS OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${SDL_CONFIG} --version OUTPUT_VARIABLE HUDWRIGHT_SDL_VERSION
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(SDL_CFLAGS)
  separate_arguments(SDL_LIBS)
  add_library(hudwright_sdl INTERFACE)
  target_compile_options(hudwright_sdl INTERFACE ${SDL_CFLAGS})
  target_link_libraries(hudwright_sdl INTERFACE ${SDL_LIBS})
  set(sdl_from "${SDL_CONFIG}")
endif()

# sdl12-compat numbers its releases from 1.2.50 on; classic SDL 1.2 ended at 1.2.15.
if(HUDWRIGHT_SDL_VERSION VERSION_GREATER_EQUAL 1.2.50)
  set(HUDWRIGHT_SDL_KIND compat)
  set(sdl_name "sdl12-compat (SDL 1.2 over SDL2)")
else()
  set(HUDWRIGHT_SDL_KIND classic)
  set(sdl_name "classic SDL 1.2")
endif()
message(STATUS "SDL 1.2: ${sdl_name} ${HUDWRIGHT_SDL_VERSION} (${sdl_from})")

include(${CMAKE_CURRENT_LIST_DIR}/lsan.cmake)
