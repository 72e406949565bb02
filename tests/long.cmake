# long.cmake - the long random editor session (tests/long_run.cpp), a program
# of its own with the label "long": `./test -L long` runs only it.
# Linux only: it measures memory and descriptors through /proc.
if(WIN32)
  return()
endif()
add_executable(hudwright_long ${CMAKE_CURRENT_SOURCE_DIR}/long_run.cpp ${CMAKE_CURRENT_SOURCE_DIR}/support.cpp)
target_link_libraries(hudwright_long PRIVATE hudwright_program hudwright_stb GTest::gtest GTest::gtest_main)
target_include_directories(hudwright_long PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME long_run COMMAND hudwright_long)
set_tests_properties(long_run PROPERTIES LABELS long TIMEOUT 900 # a small quarantine keeps the process small
  ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=16;LSAN_OPTIONS=${HUDWRIGHT_LSAN_OPTIONS}")
