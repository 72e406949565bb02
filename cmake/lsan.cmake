# lsan.cmake - the leak checker's suppressions for this build's SDL, written to
# HUDWRIGHT_LSAN_SUPPRESSIONS (build/<dir>/lsan.supp) from tests/lsan/:
#   x11.supp                        always (Xlib's own start-up);
#   sdl2-system.supp                under sdl12-compat: the system libraries
#                                   beneath SDL2 (D-Bus, Mesa);
#   sdl12-compat-before-1.2.64.supp under sdl12-compat before 1.2.64: its own
#                                   leaks, mended there, named by function.
# Nothing of Hudwright's own is suppressed. HUDWRIGHT_LSAN_OPTIONS is the
# LSAN_OPTIONS value that uses the file; the test set-up gives it to the tests,
# tools/fuzz to the fuzzers. Needs sdl.cmake's HUDWRIGHT_SDL_KIND and _VERSION.

set(lsan_parts x11.supp)
if(HUDWRIGHT_SDL_KIND STREQUAL compat)
  list(APPEND lsan_parts sdl2-system.supp)
  if(HUDWRIGHT_SDL_VERSION VERSION_LESS 1.2.64)
    list(APPEND lsan_parts sdl12-compat-before-1.2.64.supp)
  endif()
endif()
set(HUDWRIGHT_LSAN_SUPPRESSIONS ${CMAKE_BINARY_DIR}/lsan.supp)
set(lsan_text "")
foreach(part ${lsan_parts})
  set(source ${CMAKE_CURRENT_LIST_DIR}/../tests/lsan/${part})
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} text)
  string(APPEND lsan_text "# ---- tests/lsan/${part}\n${text}")
endforeach()
file(CONFIGURE OUTPUT ${HUDWRIGHT_LSAN_SUPPRESSIONS} CONTENT "${lsan_text}" @ONLY)
set(HUDWRIGHT_LSAN_OPTIONS "suppressions=${HUDWRIGHT_LSAN_SUPPRESSIONS}:print_suppressions=0")
if(HUDWRIGHT_SDL_KIND STREQUAL compat AND HUDWRIGHT_SDL_VERSION VERSION_LESS 1.2.64)
  # sdl12-compat's own leaks are allocated through SDL2's allocator, which
  # keeps no frame pointer: the fast unwinder's stacks end in it and name no
  # caller, so the suppression by function needs the slow unwinder. (It
  # deadlocks in Mesa's llvmpipe, whose JIT registers unwind tables: see
  # tools/compat-test, the only place such an old sdl12-compat is tested.)
  string(APPEND HUDWRIGHT_LSAN_OPTIONS ":fast_unwind_on_malloc=0")
endif()
