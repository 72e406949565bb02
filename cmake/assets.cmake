# assets.cmake - packs the built-in pictures.
#
# Every picture NAME is assets/<name in lower case>.bmp; the host tool
# pack_picture turns it into build/assets/bNAME.cpp holding the stored form,
# and those sources go into the library. Editing a BMP and rebuilding is all a
# picture change needs. The BMPs themselves are drawn by the draw_art target
# (built on request only: `cmake --build build --target draw_art` and run it
# with the assets folder as argument) and are committed.

# The pictures are the lines of model/picture_names.h; the second column names
# the array (bNAME) and the file (assets/<name in lower case>.bmp).
file(READ ${PROJECT_SOURCE_DIR}/model/picture_names.h picture_list)
string(REGEX MATCHALL "P\\(pic_[a-z0-9_]+, +[A-Z0-9]+," picture_rows "${picture_list}")
set(HUDWRIGHT_PICTURES "")
foreach(row ${picture_rows})
  string(REGEX REPLACE "P\\(pic_[a-z0-9_]+, +([A-Z0-9]+)," "\\1" name "${row}")
  list(APPEND HUDWRIGHT_PICTURES ${name})
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/model/picture_names.h)

if(NOT TARGET pack_picture) # a cross build imports one built for the build machine (windows.cmake)
  add_executable(pack_picture tools/pack_picture.cpp tools/bmp.cpp)
  target_include_directories(pack_picture PRIVATE ${PROJECT_SOURCE_DIR}/tools)
  target_link_libraries(pack_picture PRIVATE hudwright_store_form)
endif()

set(asset_sources "")
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/assets)
foreach(name ${HUDWRIGHT_PICTURES})
  string(TOLOWER ${name} file)
  set(bmp ${CMAKE_CURRENT_SOURCE_DIR}/assets/${file}.bmp)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/assets/b${name}.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND pack_picture ${bmp} b${name} ${out}
    DEPENDS pack_picture ${bmp}
    COMMENT "Packing assets/${file}.bmp"
    VERBATIM)
  list(APPEND asset_sources ${out})
endforeach()
# The stored arrays, declared in assets/pictures.h; only the picture store
# (and the tests and tools that check the artwork) link them.
hudwright_layer(hudwright_assets assets ${asset_sources})
target_link_libraries(hudwright_assets PUBLIC hudwright_model)
