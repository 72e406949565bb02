# environment.cmake - the environment and time limit of every GoogleTest case.
# gtest_discover_tests splits a list given as ENVIRONMENT (its second entry
# and everything after it, TIMEOUT too, never reach the tests), so the
# properties are set by a script of our own that ctest reads after the
# discovered tests, on the list of their names. The test test_environment
# checks with `ctest --show-only=json-v1` that every case has them.

set(gtest_environment "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;LSAN_OPTIONS=${HUDWRIGHT_LSAN_OPTIONS}")
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/gtest_environment.cmake CONTENT
"# written by tests/environment.cmake: the GoogleTest cases' environment
if(hudwright_tests_TESTS)
  set_tests_properties(\${hudwright_tests_TESTS} PROPERTIES TIMEOUT 300 ENVIRONMENT [==[${gtest_environment}]==])
endif()
" @ONLY)
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_CURRENT_BINARY_DIR}/gtest_environment.cmake)

add_test(NAME test_environment
  COMMAND ${CMAKE_COMMAND} -DCTEST=${CMAKE_CTEST_COMMAND} -DBUILD=${CMAKE_CURRENT_BINARY_DIR}
    "-DWANT=${gtest_environment}" -P ${CMAKE_CURRENT_SOURCE_DIR}/ctest/environment_check.cmake)
