// art.h - the pictures that draw_art draws, one procedure each. See
// draw_art.cpp for the file names.
#pragma once

#include "art_canvas.h"

// ---- element pictures (art_elements.cpp) -----------------------------------------
picture draw_button();         // white disc, shape in alpha
picture draw_button_overlay(); // rim, shading and gloss for the disc
picture draw_navi();           // fairy light
picture draw_bow();            // drawn bow with an arrow
picture draw_action();         // the A Button's action word
picture draw_99();             // item count box, opaque
picture draw_999();            // rupee count digits
picture draw_rupee();          // white gem face
picture draw_rupee_overlay();  // gem facets and outline
picture draw_hearts();         // white row of hearts
picture draw_hearts_overlay(); // heart outlines, shine, empty hearts
picture draw_map();            // white minimap area
picture draw_map_overlay();    // minimap edge, grid, paths and markers
picture draw_magic_border();   // frame around the magic fill

// ---- panel pictures (art_panel.cpp) ---------------------------------------------
picture draw_alphabet();     // font 1: light glyphs on black, 40 cells
picture draw_characters();   // font 0: dark glyphs on white, 40 cells
picture draw_save();         // floppy disk on black
picture draw_color_picker(); // colour walk, one column per bar position

// ---- screens (art_scenes.cpp) -----------------------------------------------------
picture draw_background(); // calm landscape behind the preview
picture draw_splash();     // count-down picture with the title

// The colour a click at bar position n picks, as 0xRRGGBB (the editor's own walk).
uint32_t walk_color(int n);

// Text drawn with the panel glyphs at a pitch of 7 (the fonts' advance).
mask panel_text(const char* text, bool bold);
