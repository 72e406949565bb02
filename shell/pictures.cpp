// pictures.cpp - which built-in picture is which, and the order in which
// start-up makes them: the eleven streams first (bBUTTON to bMAGICBORDER),
// later the nine pictures decoded once. How a picture is unpacked is
// image_store's business; what the pictures look like is assets/'.
#include "shell/pictures.h"

#include "assets/pictures.h"
#include "draw/text.h"
#include "shell/image_store.h"

#include <initializer_list>

namespace {

struct stored_picture {
    const unsigned char* bytes;
    const size_t* size;
};

// The streamed pictures, in start-up order and indexed by stream_id.
const stored_picture streamed[stream_count] = {
    {bBUTTON, &bBUTTON_size},               // s_button
    {bBUTTONOVERLAY, &bBUTTONOVERLAY_size}, // s_buttonoverlay
    {bNAVI, &bNAVI_size},                   // s_navi
    {bBOW, &bBOW_size},                     // s_bow
    {bACTION, &bACTION_size},               // s_action
    {b99, &b99_size},                       // s_99
    {b999, &b999_size},                     // s_999
    {bRUPEE, &bRUPEE_size},                 // s_rupee
    {bHEARTS, &bHEARTS_size},               // s_hearts
    {bMAP, &bMAP_size},                     // s_map
    {bMAGICBORDER, &bMAGICBORDER_size},     // s_magicborder
};

SDL_Surface* load(const unsigned char* bytes, size_t size) {
    return load_image(bytes, size);
}

SDL_Surface* load_with_alpha(const unsigned char* bytes, size_t size) {
    return enable_pixel_alpha(load_image(bytes, size));
}

// The fonts live as long as the process. A second start-up in the same
// process (the tests run many) replaces the first one's fonts.
SDL_Surface* replace_font(int index, SDL_Surface* s) {
    if (font[index]) SDL_FreeSurface(font[index]);
    font[index] = s;
    return s;
}

SDL_Rect position(Sint16 x, Sint16 y) {
    return SDL_Rect{x, y, 0, 0};
}

} // namespace

bool unpack_pictures(editor& ed) {
    for (int k = 0; k < stream_count; k++) {
        ed.streams[k] = unpack_image(streamed[k].bytes, *streamed[k].size);
        if (!ed.streams[k].file) return false;
    }
    return true;
}

bool load_pictures(editor& ed) {
    // Start-up stops at the first picture that fails; teardown frees what was
    // made until then.
    if (!(ed.rupee_overlay = load_with_alpha(bRUPEEOVERLAY, bRUPEEOVERLAY_size))) return false;
    if (!(ed.hearts_overlay = load_with_alpha(bHEARTSOVERLAY, bHEARTSOVERLAY_size))) return false;
    if (!(ed.map_overlay = load_with_alpha(bMAPOVERLAY, bMAPOVERLAY_size))) return false;
    if (!(ed.background = load(bBG, bBG_size))) return false;
    if (!replace_font(0, load(bCHARACTERS, bCHARACTERS_size))) return false;
    if (!(ed.splash = load(bSPLASH, bSPLASH_size))) return false;
    if (!(ed.save_button = load(bSAVE, bSAVE_size))) return false;
    ed.save_button_pos = position(276, 292);
    if (!replace_font(1, load(bALPHABET, bALPHABET_size))) return false;
    if (!(ed.color_picker = load(bCOLORPICKER, bCOLORPICKER_size))) return false;
    ed.color_bar_pos   = position(8, 248);
    ed.scale_label_pos = position(8, 272);
    ed.selector_pos    = position(8, 296);
    return true;
}

void fit_fonts_to_screen(editor& ed) {
    for (SDL_Surface** p : {&font[0], &font[1]}) *p = in_screen_format(*p, ed.screen);
}
