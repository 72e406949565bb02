# layers.cmake - hudwright_layer(TARGET FOLDER SOURCES...): one layer's library.
#
# Headers are included with their folder ("model/layout.h"). A layer's
# library does not expose the source root, which would make every folder's
# headers visible, but a folder of its own under the build tree that holds
# one link, FOLDER -> the source folder: a target sees a layer's headers only
# by linking that layer.

function(hudwright_layer_includes target folder)
  set(dir ${PROJECT_BINARY_DIR}/layers/${folder})
  if(NOT EXISTS ${dir}/${folder})
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${dir}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${dir})
endfunction()

function(hudwright_layer target folder)
  add_library(${target} STATIC ${ARGN})
  hudwright_layer_includes(${target} ${folder})
endfunction()
