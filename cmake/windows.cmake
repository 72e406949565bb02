# windows.cmake - what differs when Hudwright is built for Windows, with the
# toolchain file cmake/mingw-w64.cmake (tools/windows/build does all of it).
# Included before SDL is looked for; on any other system it does nothing.
#
# - SDL 1.2.15 as cross-built by tools/windows/sdl, linked statically, without
#   SDLmain and without sdl-config's -Dmain=SDL_main: shell/main.cpp is the
#   entry point on every system. Everything else is linked statically too, so
#   hudwright.exe needs only the system's DLLs.
# - The build-time tools (the picture packer, the icon maker, print_layout)
#   come from a build of this same source tree for the build machine, under
#   host/ in the build folder.
# - hudwright.exe is a windowed program (no console window of its own), with
#   its icon, version information and manifest compiled in by mingw's windres
#   (tools/windows/hudwright.rc.in, hudwright.manifest.in; the icon drawn by
#   make_icon at build time, into generated/windows/ in the build folder).
# - The zip: hudwright-VERSION-windows-x86_64.zip in the build folder, with the
#   stripped program, the manual (hudwright.html, cmake/manual.cmake), a
#   README.txt that points to it (docs/windows-readme.txt) and LICENSE.txt.
# - Tests run under Wine through tools/windows/wine-run (the build's emulator);
#   GoogleTest is the one tools/windows/gtest cross-builds.
if(NOT WIN32)
  return()
endif()
enable_language(RC) # windres, named by the toolchain file

set(HUDWRIGHT_WINDOWS_DEPS ${PROJECT_SOURCE_DIR}/build/windows-deps CACHE PATH
  "Where tools/windows/sdl and tools/windows/gtest install SDL and GoogleTest for Windows")
set(hudwright_win_sdl ${HUDWRIGHT_WINDOWS_DEPS}/sdl)
if(NOT EXISTS ${hudwright_win_sdl}/lib/libSDL.a)
  message(FATAL_ERROR "No SDL for Windows in ${hudwright_win_sdl}: run tools/windows/sdl first")
endif()

add_library(hudwright_sdl INTERFACE)
target_include_directories(hudwright_sdl SYSTEM INTERFACE ${hudwright_win_sdl}/include/SDL)
target_link_libraries(hudwright_sdl INTERFACE ${hudwright_win_sdl}/lib/libSDL.a user32 gdi32 winmm dxguid)
add_link_options(-static -Wl,--exclude-all-symbols) # no DLL beside the system's; SDL's exports stay inside

# ---- build-time tools, for the build machine ---------------------------------
include(ExternalProject)
ExternalProject_Add(host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${PROJECT_BINARY_DIR}/host
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DHUDWRIGHT_TESTS=OFF
             -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${PROJECT_BINARY_DIR}/host/bin
  # (its own make, without the outer one's job server)
  BUILD_COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS ${CMAKE_COMMAND} --build <BINARY_DIR>
    --target pack_picture make_icon print_layout
  BUILD_BYPRODUCTS ${PROJECT_BINARY_DIR}/host/bin/pack_picture ${PROJECT_BINARY_DIR}/host/bin/make_icon
                   ${PROJECT_BINARY_DIR}/host/bin/print_layout
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)
foreach(tool pack_picture make_icon print_layout) # print_layout: the end-to-end scenarios' layout file
  add_executable(${tool} IMPORTED)
  set_target_properties(${tool} PROPERTIES IMPORTED_LOCATION ${PROJECT_BINARY_DIR}/host/bin/${tool})
endforeach()

# ---- tests under Wine ----------------------------------------------------------
if(HUDWRIGHT_TESTS)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/windows/wine-run)
  set(GTest_DIR ${HUDWRIGHT_WINDOWS_DEPS}/gtest/lib/cmake/GTest)
endif()

# ---- once every target is there: the program, the packer's users, the zip ------
function(hudwright_windows_targets dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    hudwright_windows_targets(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# hudwright.exe's resources: the icon drawn by the host's make_icon, the
# manifest and the resource script filled in with the version (release.cmake
# is included by then: the app id, the year).
function(hudwright_windows_resources)
  set(dir ${PROJECT_BINARY_DIR}/generated/windows)
  set(HUDWRIGHT_WINDOWS_ICON ${dir}/hudwright.ico)
  set(HUDWRIGHT_WINDOWS_MANIFEST ${dir}/hudwright.manifest)
  set(numbers "")
  foreach(part MAJOR MINOR PATCH TWEAK) # Windows' versions have four numbers; the missing ones are 0
    if(PROJECT_VERSION_${part} STREQUAL "")
      list(APPEND numbers 0)
    else()
      list(APPEND numbers ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  string(REPLACE ";" "," HUDWRIGHT_VERSION_COMMAS "${numbers}")
  string(REPLACE ";" "." HUDWRIGHT_VERSION_DOTS "${numbers}")
  configure_file(${PROJECT_SOURCE_DIR}/tools/windows/hudwright.manifest.in ${HUDWRIGHT_WINDOWS_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/tools/windows/hudwright.rc.in ${dir}/hudwright.rc @ONLY)
  add_custom_command(OUTPUT ${HUDWRIGHT_WINDOWS_ICON}
    COMMAND make_icon --ico ${HUDWRIGHT_WINDOWS_ICON}
    DEPENDS ${PROJECT_BINARY_DIR}/host/bin/make_icon
    COMMENT "Drawing hudwright.ico"
    VERBATIM)
  add_custom_target(windows_icon DEPENDS ${HUDWRIGHT_WINDOWS_ICON})
  add_dependencies(windows_icon host_tools)
  target_sources(hudwright PRIVATE ${dir}/hudwright.rc)
  set_source_files_properties(${dir}/hudwright.rc TARGET_DIRECTORY hudwright
    PROPERTIES OBJECT_DEPENDS "${HUDWRIGHT_WINDOWS_ICON};${HUDWRIGHT_WINDOWS_MANIFEST}")
  add_dependencies(hudwright windows_icon)
endfunction()

function(hudwright_windows_finish)
  set_target_properties(hudwright PROPERTIES WIN32_EXECUTABLE ON)
  hudwright_windows_resources()
  # Whatever compiles a packed picture waits for the host packer.
  hudwright_windows_targets(${PROJECT_SOURCE_DIR} targets)
  foreach(t ${targets})
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "UTILITY")
      continue()
    endif()
    get_target_property(sources ${t} SOURCES)
    if(sources MATCHES "${PROJECT_BINARY_DIR}/assets/")
      add_dependencies(${t} host_tools)
    endif()
  endforeach()
  if(TARGET e2e_layout) # written by the host's print_layout
    add_dependencies(e2e_layout host_tools)
  endif()

  set(name hudwright-${PROJECT_VERSION}-windows-x86_64)
  set(stage ${PROJECT_BINARY_DIR}/zip/${name})
  set(HUDWRIGHT_VERSION ${PROJECT_VERSION})
  file(READ ${hudwright_win_sdl}/source HUDWRIGHT_SDL_SOURCE)
  string(STRIP "${HUDWRIGHT_SDL_SOURCE}" HUDWRIGHT_SDL_SOURCE)
  configure_file(${PROJECT_SOURCE_DIR}/docs/windows-readme.txt ${stage}/README.txt @ONLY NEWLINE_STYLE CRLF)
  add_custom_command(OUTPUT ${stage}/hudwright.html
    COMMAND ${CMAKE_COMMAND} -E copy ${HUDWRIGHT_MANUAL_HTML} ${stage}/hudwright.html
    DEPENDS ${HUDWRIGHT_MANUAL_HTML}
    VERBATIM)
  # The licences of what the program is made of: its own (when the sources
  # have one), SDL's (LGPL 2.1, linked statically), stb_image's (MIT or public
  # domain, from the end of its header) and mingw-w64's run-time.
  set(text "")
  foreach(f ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/LICENSE.txt ${PROJECT_SOURCE_DIR}/COPYING)
    if(EXISTS ${f})
      file(READ ${f} part)
      string(APPEND text "Hudwright\n=========\n\n${part}\n\n")
    endif()
  endforeach()
  file(READ ${hudwright_win_sdl}/COPYING part)
  string(APPEND text "SDL 1.2.15 (${HUDWRIGHT_SDL_SOURCE}, Debian's source package with its patches, linked\n"
    "statically; tools/windows/sdl in Hudwright's sources builds it)\n"
    "==========================================================================================\n\n${part}\n\n")
  file(READ ${HUDWRIGHT_STB_DIR}/stb_image.h part)
  string(FIND "${part}" "This software is available under 2 licenses" at)
  if(at LESS 0)
    message(FATAL_ERROR "no licence at the end of ${HUDWRIGHT_STB_DIR}/stb_image.h")
  endif()
  string(SUBSTRING "${part}" ${at} -1 part)
  string(REGEX REPLACE "\\*/[ \n]*$" "" part "${part}")
  string(APPEND text "stb_image (Debian's libstb-dev, its PNG decoder compiled in)\n"
    "=============================================================\n\n${part}\n")
  file(READ /usr/share/doc/mingw-w64-x86-64-dev/copyright part)
  string(APPEND text "mingw-w64 run-time (linked statically)\n======================================\n\n${part}")
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${stage}/LICENSE.txt "${text}")

  set(zip ${PROJECT_BINARY_DIR}/${name}.zip)
  add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_STRIP} -o ${stage}/hudwright.exe $<TARGET_FILE:hudwright>
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${name}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/zip
    DEPENDS hudwright ${stage}/README.txt ${stage}/hudwright.html ${stage}/LICENSE.txt
    COMMENT "Packing ${name}.zip"
    VERBATIM)
  add_custom_target(windows_zip ALL DEPENDS ${zip})
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL hudwright_windows_finish)
