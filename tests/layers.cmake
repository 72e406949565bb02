# layers.cmake - proves that the layers are enforced by the build: a file of a
# layer that includes a header of its own layer or of one it is built on
# compiles; one that includes a header of a higher layer (or of a layer beside
# it that it is not built on) does not; and that within a folder no files
# include each other in a circle (include_cycles). Label layers.
#
# Each probe is an object library built on request only; the test builds them
# one after another in this build tree.

set(layer_probes
  # name                  built on            includes              compiles
  "model_own              hudwright_model     model/layout.h        yes"
  "files_model            hudwright_files     model/layout.h        yes"
  "editor_model           hudwright_editor    model/layout.h        yes"
  "editor_files           hudwright_editor    files/file_io.h       yes"
  "program_pictures       hudwright_program   pictures/picture_store.h yes"
  "model_draw             hudwright_model     draw/text.h           no"
  "model_editor           hudwright_model     editor/state.h        no"
  "model_files            hudwright_model     files/file_io.h       no"
  "files_editor           hudwright_files     editor/state.h        no"
  "draw_files             hudwright_draw      files/file_io.h       no"
  "draw_model             hudwright_draw      model/layout.h        no"
  "pictures_editor        hudwright_pictures  editor/state.h        no"
  "editor_program         hudwright_editor    program/run.h         no")

set(probe_targets "")
foreach(probe ${layer_probes})
  string(REGEX REPLACE " +" ";" fields "${probe}")
  list(POP_FRONT fields name layer header compiles)
  add_library(layer_probe_${name} OBJECT EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/layers/probe.cpp)
  target_compile_definitions(layer_probe_${name} PRIVATE "PROBE_HEADER=\"${header}\"")
  target_link_libraries(layer_probe_${name} PRIVATE ${layer})
  list(APPEND probe_targets "layer_probe_${name}:${compiles}")
endforeach()

add_test(NAME layers COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/layers/check.sh ${CMAKE_BINARY_DIR} ${probe_targets})
set_tests_properties(layers PROPERTIES LABELS layers TIMEOUT 300 RUN_SERIAL TRUE)

# No folder's files include each other in a circle (a .cpp and its own .h one
# unit): tools/include-cycles on the sources, after showing that it finds one.
add_test(NAME include_cycles COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/layers/cycles.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(include_cycles PROPERTIES LABELS layers TIMEOUT 60)
