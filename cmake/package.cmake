# package.cmake - the Debian package. In a Release build tree,
#
#   cpack -G DEB          (tools/package does the whole way from the sources)
#
# makes hudwright_<version>_<arch>.deb: what install.cmake installs, under
# /usr, with the program stripped, the manual page compressed and
# /usr/share/doc/hudwright/{copyright,changelog.gz} added (packaging/stage.cmake,
# run by CPack on its staging tree). Its dependencies come from the binary
# through dpkg-shlibdeps, so it asks for whichever package gave the build
# machine libSDL-1.2.so.0 (classic SDL 1.2 on Debian 12, sdl12-compat on
# Debian 13). The version, release date, maintainer and app id come from
# release.cmake.
#
# Needs dpkg-dev (dpkg-shlibdeps) and file at packaging time, not to build.
# Packaging a sanitizer or debug tree works but makes an odd package: the
# install check packages a Release tree of its own.

set(HUDWRIGHT_PACKAGE_DOCS ${HUDWRIGHT_GENERATED_DIR}/package)
configure_file(${CMAKE_SOURCE_DIR}/packaging/copyright.in ${HUDWRIGHT_PACKAGE_DOCS}/copyright @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${HUDWRIGHT_PACKAGE_DOCS}/changelog @ONLY)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hudwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${HUDWRIGHT_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for a console game's on-screen display (HUD)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/stage.cmake)
set(CPACK_HUDWRIGHT_DOCS ${HUDWRIGHT_PACKAGE_DOCS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${HUDWRIGHT_MAINTAINER})
# Not "games": that section is for games themselves, in /usr/games. The menu
# entry files it under Development (GUIDesigner), and so does this.
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${HUDWRIGHT_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack puts the summary above this as the Description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Hudwright moves, rescales and recolours the 21 elements of a console game's
HUD - buttons, icons, counters, hearts, map and magic meter - on a picture
of the game screen, and saves the layout as cheat-device codes: one line for
every value that differs from the game's own. It can start from an earlier
code list and show a screenshot of your own behind the elements.")

include(CPack)
