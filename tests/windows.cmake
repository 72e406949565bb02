# windows.cmake - the Windows build's own checks, besides the portable suite
# and the end-to-end scenarios that run under Wine (tools/windows/ci):
# - the test data goes beside hudwright_tests.exe (testdata/), where the tests
#   look for it on Windows: a Linux source path means nothing there (the
#   manual's source too, which manual_test reads);
# - windows_zip (label windows): the zip holds the stripped program, README.txt
#   and LICENSE.txt, and the program is a windowed one that needs no DLL but
#   the system's;
# - windows_resources (label windows): the program in the zip holds its icon
#   (the desktop icons' drawing), its version information (the project's
#   version) and its manifest (per-monitor DPI awareness);
# - windows_message_box (label windows): a failed start without standard error
#   shows its message in a box.
if(NOT WIN32)
  return()
endif()

add_custom_command(TARGET hudwright_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/corpus $<TARGET_FILE_DIR:hudwright_tests>/testdata/corpus
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/seeds $<TARGET_FILE_DIR:hudwright_tests>/testdata/fuzz/seeds
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/manual.adoc $<TARGET_FILE_DIR:hudwright_tests>/testdata/docs/manual.adoc
  VERBATIM)

add_test(NAME windows_zip COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/windows/zip_check.sh
  ${PROJECT_BINARY_DIR}/hudwright-${PROJECT_VERSION}-windows-x86_64.zip ${PROJECT_VERSION})
set_tests_properties(windows_zip PROPERTIES LABELS windows TIMEOUT 60)

add_test(NAME windows_resources COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/windows/resources_check.sh
  ${PROJECT_BINARY_DIR}/hudwright-${PROJECT_VERSION}-windows-x86_64.zip ${PROJECT_VERSION} ${PROJECT_SOURCE_DIR}/desktop/icons)
set_tests_properties(windows_resources PROPERTIES LABELS windows TIMEOUT 60)

add_test(NAME windows_message_box COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/message_box.sh $<TARGET_FILE:hudwright>)
set_tests_properties(windows_message_box PROPERTIES LABELS windows TIMEOUT 120 RUN_SERIAL ON)
