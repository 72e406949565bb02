# stage.cmake - run by CPack (CPACK_PRE_BUILD_SCRIPTS, see cmake/package.cmake)
# on its staging tree after the install and before the .deb is made: adds
# what a Debian package has and `cmake --install` does not, and nothing else.
#
#   usr/share/doc/hudwright/copyright       the copyright note
#   usr/share/doc/hudwright/changelog.gz    this release's entry, gzip -9n
#   usr/share/man/man1/hudwright.1.gz       the manual page, gzip -9n, in
#                                           place of the plain one
#
# gzip -n leaves out the name and time, so the same files give the same bytes.

set(root ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${root}/share/doc/${CPACK_PACKAGE_NAME})
set(man ${root}/share/man/man1/hudwright.1)

find_program(GZIP gzip REQUIRED)
# The modes are set, not taken from the umask: 0755 and 0644, as Debian wants.
file(MAKE_DIRECTORY ${doc} ${root}/share/doc)
file(CHMOD ${root}/share/doc ${doc} PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
foreach(f copyright changelog)
  file(COPY_FILE ${CPACK_HUDWRIGHT_DOCS}/${f} ${doc}/${f})
  file(CHMOD ${doc}/${f} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
foreach(f ${doc}/changelog ${man})
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "stage.cmake: ${f} is not in the staging tree")
  endif()
  file(REMOVE ${f}.gz)
  execute_process(COMMAND ${GZIP} -9n ${f} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "stage.cmake: gzip ${f} failed")
  endif()
endforeach()
