# e2e.cmake - end-to-end scenarios: the real hudwright binary in a private X
# server (Xvfb), driven by xdotool, checked through code.txt and screenshots.
# Each scenario is one CTest test labelled e2e, e.g. `./test -R e2e_drag`.

add_executable(hudwright_probe ${CMAKE_CURRENT_SOURCE_DIR}/e2e/probe.cpp)
find_package(X11 REQUIRED)
add_executable(hudwright_close_window ${CMAKE_CURRENT_SOURCE_DIR}/e2e/close_window.cpp)
target_link_libraries(hudwright_close_window PRIVATE X11::X11)

set(HUDWRIGHT_E2E_SCENARIOS
  untouched escape_countdown drag nudge typed colorbar rescale basecode background prompts_no
  round_trip hostile_files special_files readonly_dir symlink close_prompt close_editor shallow_displays
  screenshot)

foreach(s ${HUDWRIGHT_E2E_SCENARIOS})
  add_test(NAME e2e_${s}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run.sh ${s} $<TARGET_FILE:hudwright>
      $<TARGET_FILE:hudwright_probe> $<TARGET_FILE:hudwright_close_window>)
  set_tests_properties(e2e_${s} PROPERTIES LABELS e2e TIMEOUT 240
    # The real window, not the dummy driver that the in-process tests use.
    ENVIRONMENT "SDL_VIDEODRIVER=x11")
endforeach()
