# sdl.cmake - finds SDL 1.2 (pkg-config, else sdl-config) as the target hudwright_sdl.

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
else()
  find_program(SDL_CONFIG sdl-config REQUIRED)
  execute_process(COMMAND ${SDL_CONFIG} --cflags OUTPUT_VARIABLE SDL_CFLAGS OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${SDL_CONFIG} --libs OUTPUT_VARIABLE SDL_LIBS OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(SDL_CFLAGS)
  separate_arguments(SDL_LIBS)
  add_library(hudwright_sdl INTERFACE)
  target_compile_options(hudwright_sdl INTERFACE ${SDL_CFLAGS})
  target_link_libraries(hudwright_sdl INTERFACE ${SDL_LIBS})
endif()
