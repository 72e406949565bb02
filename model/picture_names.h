// picture_names.h - the names of the twenty built-in pictures, in the order in
// which start-up makes them: the eleven that are decoded afresh for every
// drawing first, then the nine decoded once.
//
// The model names the pictures an element is drawn from (elements.h); the
// picture store (pictures/) holds their bytes. Nothing here draws.
#pragma once

enum picture_id {
    // decoded afresh for every drawing
    pic_button,         // face of the six buttons; recoloured and scaled
    pic_button_overlay, // rim and shine over each face, scaled like it
    pic_navi,           // the C-Up Icon
    pic_bow,            // the B, C-Down, C-Left and C-Right Button Icons
    pic_action,         // the A Button Icon
    pic_99,             // the four button numbers
    pic_999,            // the Rupee Number
    pic_rupee,          // the Rupee Icon; recoloured
    pic_hearts,         // the Hearts; recoloured
    pic_map,            // the Map; recoloured
    pic_magic_border,   // the Magic Meter's frame, over its coloured bar
    // decoded once at start
    pic_rupee_overlay,
    pic_hearts_overlay,
    pic_map_overlay,
    pic_bg,           // the preview's background
    pic_characters,   // font 0: dark digits for the white value fields
    pic_splash,       // the count-down screen
    pic_save,         // the save button
    pic_alphabet,     // font 1: light labels, names and the start-up screens
    pic_color_picker, // the colour bar
    picture_count,
    pic_none = picture_count
};

// The first picture decoded once; every picture before it is a stream.
constexpr picture_id first_kept_picture = pic_rupee_overlay;
