# release.cmake - what names this release, and the files made from it.
#
# The version is project(... VERSION) in CMakeLists.txt and nowhere else; the
# day of the release is below, written in the two forms the files want. From
# them, at configure time:
#
#   <build>/generated/version/version.h  HUDWRIGHT_VERSION, e.g. "1.0", for the
#                                        program: link the INTERFACE target
#                                        hudwright_version, then
#                                        #include "version.h" (its folder
#                                        holds that header alone)
#   <build>/generated/<app id>.metainfo.xml
#                                        the software-centre entry, from
#                                        desktop/metainfo.xml.in
#
# The Debian package (cmake/package.cmake) and the manual (cmake/manual.cmake,
# its header) take their version and date from here too.
# Nothing here builds anything; install.cmake installs the generated files.

# The release date: as the manual's header and the metainfo write it, and
# as the package's changelog does (RFC 2822, with its day of the week).
set(HUDWRIGHT_RELEASE_DATE 2026-12-06)
set(HUDWRIGHT_CHANGELOG_DATE "Sun, 06 Dec 2026 00:00:00 +0000")

# The AppStream component id. Software centres want a reverse-DNS name; the
# project owns no domain yet, so this one is reserved by use alone. The menu
# entry keeps its file name, hudwright.desktop (the metainfo's launchable).
set(HUDWRIGHT_APP_ID org.hudwright.Hudwright)

# The project's home page and where software centres fetch the screenshot,
# docs/editor.png (AppStream wants both as web addresses). The project has no
# public home yet: until it has one they name a host that is reserved never
# to exist (.invalid), so nobody is sent to, or shown a picture from, a
# stranger's site. Set both when the project is published.
set(HUDWRIGHT_HOMEPAGE https://hudwright.invalid/)
set(HUDWRIGHT_SCREENSHOT_URL https://hudwright.invalid/docs/editor.png)

# Who answers for the package (its Maintainer field and changelog).
set(HUDWRIGHT_MAINTAINER "Hudwright maintainers <maintainers@users.noreply.c-seed-65739337.example>")

# The two forms name the same day (the weekday is the package test's to check).
if(NOT HUDWRIGHT_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "HUDWRIGHT_RELEASE_DATE must be YYYY-MM-DD, not ${HUDWRIGHT_RELEASE_DATE}")
endif()
set(HUDWRIGHT_RELEASE_YEAR ${CMAKE_MATCH_1})
set(hudwright_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR hudwright_month "${CMAKE_MATCH_2} - 1")
list(GET hudwright_months ${hudwright_month} hudwright_month)
if(NOT HUDWRIGHT_CHANGELOG_DATE MATCHES
   "^(Mon|Tue|Wed|Thu|Fri|Sat|Sun), ${CMAKE_MATCH_3} ${hudwright_month} ${CMAKE_MATCH_1} 00:00:00 \\+0000$")
  message(FATAL_ERROR "HUDWRIGHT_CHANGELOG_DATE, ${HUDWRIGHT_CHANGELOG_DATE}, is not the day of ${HUDWRIGHT_RELEASE_DATE}")
endif()

# The developer's id in the metainfo: the app id without its last part.
string(REGEX REPLACE "\\.[^.]*$" "" HUDWRIGHT_DEVELOPER_ID ${HUDWRIGHT_APP_ID})

set(HUDWRIGHT_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${HUDWRIGHT_GENERATED_DIR}/version/version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/desktop/metainfo.xml.in
  ${HUDWRIGHT_GENERATED_DIR}/${HUDWRIGHT_APP_ID}.metainfo.xml @ONLY)

add_library(hudwright_version INTERFACE)
target_include_directories(hudwright_version INTERFACE ${HUDWRIGHT_GENERATED_DIR}/version)
