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

if(NOT TARGET pack_picture) # a cross build imports one built for the build machine
  add_executable(pack_picture tools/pack_picture.cpp tools/bmp.cpp shell/store_form.cpp)
  target_include_directories(pack_picture PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()

set(HUDWRIGHT_ASSET_SOURCES "")
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
  list(APPEND HUDWRIGHT_ASSET_SOURCES ${out})
endforeach()
# pictures.h is included as "assets/pictures.h" from the source root.
set(HUDWRIGHT_ASSET_INCLUDE ${CMAKE_CURRENT_SOURCE_DIR})

# ---- tools for the artwork, built on request only ----------------------------
add_executable(draw_art EXCLUDE_FROM_ALL
  tools/draw_art.cpp tools/art_canvas.cpp tools/art_glyphs.cpp
  tools/art_elements.cpp tools/art_panel.cpp tools/art_scenes.cpp tools/bmp.cpp)
target_include_directories(draw_art PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

add_executable(compose_home EXCLUDE_FROM_ALL tools/compose_home.cpp)
target_link_libraries(compose_home PRIVATE hudwright_core)
