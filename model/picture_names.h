// picture_names.h - the twenty built-in pictures, one line each, in the order
// in which start-up makes them: the streams (decoded afresh for every
// drawing) first, then the pictures decoded once.
//
// This list is the only one: the picture names (picture_id), the stored
// arrays' declarations (assets/pictures.h), the picture store's table and the
// build's packing (cmake/assets.cmake, which reads the ARRAY column) all come
// from it. A new picture is one line here and its BMP, assets/<array in lower
// case>.bmp. The model names the pictures an element is drawn from; the
// picture store (pictures/) holds them. Nothing here draws.
//
//   HUDWRIGHT_PICTURE(id, ARRAY, held, alpha): the stored array is bARRAY;
//   held is stream or kept; alpha: a kept picture blended by its alpha channel.
#pragma once

// clang-format off
#define HUDWRIGHT_PICTURES(P)                                                                                      \
    P(pic_button,         BUTTON,        stream, false) /* the six buttons' face: recoloured and scaled       */ \
    P(pic_button_overlay, BUTTONOVERLAY, stream, false) /* rim and shine over each face, scaled like it       */ \
    P(pic_navi,           NAVI,          stream, false) /* the C-Up Icon                                      */ \
    P(pic_bow,            BOW,           stream, false) /* the B, C-Down, C-Left and C-Right Button Icons      */ \
    P(pic_action,         ACTION,        stream, false) /* the A Button Icon                                  */ \
    P(pic_99,             99,            stream, false) /* the four button numbers, opaque                   */ \
    P(pic_999,            999,           stream, false) /* the Rupee Number                                   */ \
    P(pic_rupee,          RUPEE,         stream, false) /* the Rupee Icon: recoloured                         */ \
    P(pic_hearts,         HEARTS,        stream, false) /* the Hearts: recoloured                             */ \
    P(pic_map,            MAP,           stream, false) /* the Map: recoloured                                */ \
    P(pic_magic_border,   MAGICBORDER,   stream, false) /* the Magic Meter's frame, over its coloured bar      */ \
    P(pic_rupee_overlay,  RUPEEOVERLAY,  kept,   true)  /* facets and outline over the Rupee Icon              */ \
    P(pic_hearts_overlay, HEARTSOVERLAY, kept,   true)  /* outlines and shine over the Hearts                 */ \
    P(pic_map_overlay,    MAPOVERLAY,    kept,   true)  /* walls and markers over the Map                     */ \
    P(pic_bg,             BG,            kept,   false) /* the preview's background, 320x240                  */ \
    P(pic_characters,     CHARACTERS,    kept,   false) /* font 0: dark digits for the white value fields     */ \
    P(pic_splash,         SPLASH,        kept,   false) /* the count-down screen, 320x240                     */ \
    P(pic_save,           SAVE,          kept,   false) /* the save button                                    */ \
    P(pic_alphabet,       ALPHABET,      kept,   false) /* font 1: labels, names and the start-up screens     */ \
    P(pic_color_picker,   COLORPICKER,   kept,   false) /* the colour bar                                     */
// clang-format on

#define HUDWRIGHT_PICTURE_ID(id, array, held, alpha) id,
enum picture_id { HUDWRIGHT_PICTURES(HUDWRIGHT_PICTURE_ID) picture_count, pic_none = picture_count };
#undef HUDWRIGHT_PICTURE_ID

// How a picture is held: decoded afresh for every drawing, or once at start.
enum picture_held { stream, kept };

// The first picture decoded once; every picture before it is a stream.
constexpr picture_id first_kept_picture = [] {
    constexpr picture_held held[] = {
#define HUDWRIGHT_PICTURE_HELD(id, array, h, alpha) h,
        HUDWRIGHT_PICTURES(HUDWRIGHT_PICTURE_HELD)
#undef HUDWRIGHT_PICTURE_HELD
    };
    int k = 0;
    while (k < picture_count && held[k] == stream) k++;
    return static_cast<picture_id>(k);
}();
