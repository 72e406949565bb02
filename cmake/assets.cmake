# assets.cmake - packs the built-in pictures.
#
# Every picture NAME is assets/<name in lower case>.bmp; the host tool
# pack_picture turns it into build/assets/bNAME.cpp holding the stored form,
# and those sources go into the library. Editing a BMP and rebuilding is all a
# picture change needs. The BMPs themselves are drawn by the draw_art target
# (built on request only: `cmake --build build --target draw_art` and run it
# with the assets folder as argument) and are committed.

set(HUDWRIGHT_PICTURES
  BUTTON BUTTONOVERLAY NAVI BOW ACTION 99 999 RUPEE HEARTS MAP MAGICBORDER
  RUPEEOVERLAY HEARTSOVERLAY MAPOVERLAY BG CHARACTERS SPLASH SAVE ALPHABET COLORPICKER)

add_executable(pack_picture tools/pack_picture.cpp tools/bmp.cpp)
target_include_directories(pack_picture PRIVATE ${PROJECT_SOURCE_DIR}/tools)
target_link_libraries(pack_picture PRIVATE hudwright_store_form)

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
