# install.cmake - installs the build into a fresh prefix and checks what a
# desktop gets: the program, a menu entry that desktop-file-validate accepts,
# icons with the very bytes make_icon draws from the artwork, and a manual
# page that man reads without a warning and that lists every failure message;
# then makes the Debian package and checks it. Label install.
# Linux only (a Windows build is checked as its zip: tests/windows.cmake).
if(WIN32)
  return()
endif()

set_target_properties(make_icon PROPERTIES EXCLUDE_FROM_ALL OFF)

add_test(NAME install_layout
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/install/check.sh
    ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} $<TARGET_FILE:make_icon>)
set_tests_properties(install_layout PROPERTIES LABELS install TIMEOUT 120
  ENVIRONMENT "LSAN_OPTIONS=${HUDWRIGHT_LSAN_OPTIONS}")

# The Debian package: made as docs/HACKING.md says in a Release tree of its own
# (build/test/package), unpacked and checked against `cmake --install` of this
# tree, with lintian and appstreamcli. Its build takes both cores for a few
# seconds (PROCESSORS 2), so nothing timed runs beside it.
add_test(NAME install_package
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/install/package.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(install_package PROPERTIES LABELS install TIMEOUT 600 PROCESSORS 2)
