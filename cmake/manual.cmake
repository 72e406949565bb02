# manual.cmake - the user manual, written once in docs/manual.adoc (AsciiDoc)
# and made by asciidoctor, in every build (target manual, part of ALL and of
# the release preset's build), into two files beside the program:
#
#   <build>/hudwright.1     the manual page, section 1: `man -l build/release/hudwright.1`;
#                           installed as share/man/man1/hudwright.1 (install.cmake)
#   <build>/hudwright.html  the same manual as one page, its picture inside
#                           (data-uri) and no fonts or scripts from the web;
#                           installed as share/doc/hudwright/hudwright.html and
#                           put in the Windows zip beside hudwright.exe
#
# --help names whichever of them stands beside the running program
# (program/options.cpp). Both say the version and the release date of
# release.cmake (include it first), and nothing of the day or the machine they
# were made on: every date asciidoctor would take from the clock or the
# file's time is given, so the same sources give the same bytes.

find_program(HUDWRIGHT_ASCIIDOCTOR asciidoctor)
if(NOT HUDWRIGHT_ASCIIDOCTOR)
  message(FATAL_ERROR "asciidoctor makes the manual and is not there: tools/install-deps build installs it "
    "(Debian's package asciidoctor; elsewhere the distribution's asciidoctor or rubygem-asciidoctor)")
endif()

set(hudwright_manual_source ${PROJECT_SOURCE_DIR}/docs/manual.adoc)
set(HUDWRIGHT_MANUAL_PAGE ${PROJECT_BINARY_DIR}/hudwright.1)
set(HUDWRIGHT_MANUAL_HTML ${PROJECT_BINARY_DIR}/hudwright.html)
set(hudwright_manual_attributes
  -a hudwright-version=${PROJECT_VERSION}
  -a docdate=${HUDWRIGHT_RELEASE_DATE} -a docyear=${HUDWRIGHT_RELEASE_YEAR} -a "doctime=00:00:00 UTC"
  -a localdate=${HUDWRIGHT_RELEASE_DATE} -a localyear=${HUDWRIGHT_RELEASE_YEAR} -a "localtime=00:00:00 UTC")

add_custom_command(OUTPUT ${HUDWRIGHT_MANUAL_PAGE}
  COMMAND ${HUDWRIGHT_ASCIIDOCTOR} --failure-level WARN -b manpage ${hudwright_manual_attributes}
    -o ${HUDWRIGHT_MANUAL_PAGE} ${hudwright_manual_source}
  DEPENDS ${hudwright_manual_source}
  COMMENT "Making the manual page, hudwright.1"
  VERBATIM)
# reproducible: no "Last updated" line; webfonts!: no fonts fetched from the web
add_custom_command(OUTPUT ${HUDWRIGHT_MANUAL_HTML}
  COMMAND ${HUDWRIGHT_ASCIIDOCTOR} --failure-level WARN -b html5 ${hudwright_manual_attributes}
    -a reproducible -a webfonts! -a data-uri -a toc=left
    -o ${HUDWRIGHT_MANUAL_HTML} ${hudwright_manual_source}
  DEPENDS ${hudwright_manual_source} ${PROJECT_SOURCE_DIR}/docs/editor.png
  COMMENT "Making the manual, hudwright.html"
  VERBATIM)
add_custom_target(manual ALL DEPENDS ${HUDWRIGHT_MANUAL_PAGE} ${HUDWRIGHT_MANUAL_HTML})
