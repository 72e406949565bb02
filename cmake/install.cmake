# install.cmake - what `cmake --install` puts where, as a desktop program:
#
#   bin/hudwright                                    the editor
#   share/applications/hudwright.desktop             its menu entry
#   share/icons/hicolor/{32x32,48x48,128x128}/apps/hudwright.png
#   share/man/man1/hudwright.1                       its manual page
#   share/doc/hudwright/hudwright.html               the same manual as one page
#   share/metainfo/<app id>.metainfo.xml             its software-centre entry
#
# The metainfo is the one release.cmake fills in with the version, and the
# manual the one manual.cmake makes: include both first.
#
# The icons in desktop/icons are the program's icon (pictures/icon.h, drawn
# from the built-in pictures; the window shows it too) written by the
# make_icon tool, and committed; redraw them after changing the button
# artwork or the drawing with `cmake --build build/test --target make_icon &&
# build/test/tools/make_icon desktop/icons` (the install test fails while
# they are out of date).

include(GNUInstallDirs)

install(TARGETS hudwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES desktop/hudwright.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 32x32 48x48 128x128)
  install(FILES desktop/icons/${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps
    RENAME hudwright.png)
endforeach()
install(FILES ${HUDWRIGHT_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${HUDWRIGHT_MANUAL_HTML} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${HUDWRIGHT_GENERATED_DIR}/${HUDWRIGHT_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
