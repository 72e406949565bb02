# e2e.cmake - end-to-end scenarios (tests/e2e/scenarios.sh): the real hudwright
# in a private X server, driven by xdotool. One CTest test each, labelled e2e.
# The scenarios read where the controls are from e2e_layout.sh, which
# tools/print_layout writes from the program's own tables at build time.
set(layout_file ${CMAKE_CURRENT_BINARY_DIR}/e2e_layout.sh)
add_custom_command(OUTPUT ${layout_file} COMMAND print_layout ${layout_file} DEPENDS print_layout VERBATIM)
add_custom_target(e2e_layout ALL DEPENDS ${layout_file})
# e2e_home_frame draws the untouched window in-process with the same SDL, the
# screenshot's reference on either library (tests/e2e/home_frame.cpp).
add_executable(e2e_home_frame ${CMAKE_CURRENT_SOURCE_DIR}/e2e/home_frame.cpp ${CMAKE_CURRENT_SOURCE_DIR}/support.cpp)
target_link_libraries(e2e_home_frame PRIVATE hudwright_program hudwright_stb GTest::gtest)
set(scenarios screenshot typed accepted keys zoom command_line screenshots codes precision)
set(e2e_environment "LSAN_OPTIONS=${HUDWRIGHT_LSAN_OPTIONS};HUDWRIGHT_E2E_HOME_FRAME=$<TARGET_FILE:e2e_home_frame>")
if(NOT WIN32)
  list(APPEND scenarios exits) # signals and X's own ends (tests/e2e/exits.sh)
  # a clipboard manager for e2e_codes' hand-over at the end (tests/e2e/codes.sh)
  find_package(X11 REQUIRED)
  add_executable(e2e_clipboard_manager ${CMAKE_CURRENT_SOURCE_DIR}/e2e/clipboard_manager.cpp)
  target_link_libraries(e2e_clipboard_manager PRIVATE X11::X11)
  string(APPEND e2e_environment ";HUDWRIGHT_E2E_CLIPBOARD_MANAGER=$<TARGET_FILE:e2e_clipboard_manager>")
else()
  # another Windows program reading e2e_codes' copy from the clipboard
  add_executable(e2e_read_clipboard ${CMAKE_CURRENT_SOURCE_DIR}/e2e/read_clipboard.cpp)
  string(APPEND e2e_environment ";HUDWRIGHT_E2E_READ_CLIPBOARD=$<TARGET_FILE:e2e_read_clipboard>")
endif()
foreach(s ${scenarios})
  add_test(NAME e2e_${s} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run.sh ${s} $<TARGET_FILE:hudwright> ${layout_file})
  set_tests_properties(e2e_${s} PROPERTIES LABELS e2e TIMEOUT 240 ENVIRONMENT "${e2e_environment}"
    RUN_SERIAL "${WIN32}") # under Wine: one at a time, the X servers and the prefix shared
endforeach()
if(NOT WIN32)
  set_tests_properties(e2e_exits PROPERTIES TIMEOUT 600) # fifteen editors, eight at a time
endif()
