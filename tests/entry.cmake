# entry.cmake - the program's own entry point, run as a user would: with a video
# driver that does not exist, hudwright must say so on standard error and end.
# Its main hands over to SDL_main; a main renamed to SDL_main by SDL's headers
# (as on Windows, with SDLmain linked) calls itself forever - the compiler
# makes the call a jump - and says nothing: it fails here by the time-out.
# Cross-built, the program runs under the build's emulator (Wine).
add_test(NAME entry_start_failure COMMAND hudwright)
set_tests_properties(entry_start_failure PROPERTIES TIMEOUT 60
  ENVIRONMENT "SDL_VIDEODRIVER=no-such-driver;SDL_AUDIODRIVER=dummy;LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/e2e/lsan.supp:print_suppressions=0"
  PASS_REGULAR_EXPRESSION "hudwright: cannot start SDL: "
  FAIL_REGULAR_EXPRESSION "Sanitizer|runtime error")
