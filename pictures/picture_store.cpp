// picture_store.cpp - the built-in pictures of a run, in the order of
// model/picture_names.h: the streams first, later the pictures decoded once.
#include "pictures/picture_store.h"

#include "assets/pictures.h"

#include <initializer_list>

namespace {

struct picture_row {
    const unsigned char* bytes;
    const size_t* size;
    bool alpha_at_load; // a kept picture blended by its alpha channel
};

#define HUDWRIGHT_PICTURE_ROW(id, array, held, alpha) {b##array, &b##array##_size, alpha},
const picture_row picture_table[picture_count] = {HUDWRIGHT_PICTURES(HUDWRIGHT_PICTURE_ROW)};
#undef HUDWRIGHT_PICTURE_ROW

void note_size(picture_store& p, picture_id id, const SDL_Surface* s) {
    p.sizes[id] = {s->w, s->h};
}

} // namespace

bool is_stream(picture_id id) {
    return id < first_kept_picture;
}

bool unpack_pictures(picture_store& p) {
    for (int k = 0; k < first_kept_picture; k++) {
        const picture_row& row = picture_table[k];
        p.streams[k]           = unpack_image(row.bytes, *row.size);
        if (!p.streams[k].file) return false;
        // the size every later decode has, for placing the element before it is drawn
        SDL_Surface* s = decode_stream(p.streams[k]);
        if (!s) return false;
        note_size(p, picture_id(k), s);
        SDL_FreeSurface(s);
    }
    return true;
}

bool load_pictures(picture_store& p) {
    // Start-up stops at the first picture that fails; teardown frees what was
    // made until then.
    for (int k = first_kept_picture; k < picture_count; k++) {
        const picture_row& row = picture_table[k];
        SDL_Surface* s         = load_image(row.bytes, *row.size);
        if (s && row.alpha_at_load) s = enable_pixel_alpha(s);
        if (!s) return false;
        note_size(p, picture_id(k), s);
        if (k == pic_bg)
            p.background = s; // pic_bg
        else
            p.kept[k] = s;
    }
    return true;
}

void free_pictures(picture_store& p) {
    for (image_stream& s : p.streams) close_stream(s);
    for (SDL_Surface*& s : p.kept) {
        if (s) SDL_FreeSurface(s);
        s = nullptr;
    }
    if (p.background) SDL_FreeSurface(p.background);
    p.background = nullptr;
}

SDL_Surface* fresh_picture(picture_store& p, picture_id id, bool alpha) {
    if (!is_stream(id) || !p.streams[id].rw) return nullptr;
    SDL_Surface* s = decode_stream(p.streams[id]);
    if (s && alpha) s = enable_pixel_alpha(s);
    return s;
}

SDL_Surface* kept_picture(const picture_store& p, picture_id id) {
    if (id == pic_bg) return p.background;
    return id >= first_kept_picture && id < picture_count ? p.kept[id] : nullptr;
}

SDL_Surface* font(const picture_store& p, font_id f) {
    return p.kept[f == font_digits ? pic_characters : pic_alphabet];
}

void fit_pictures_to_screen(picture_store& p, SDL_Surface* screen) {
    if (!screen) return;
    p.background = in_screen_format(p.background, screen);
    for (picture_id id : {pic_color_picker, pic_save, pic_characters, pic_alphabet})
        p.kept[id] = in_screen_format(p.kept[id], screen);
}

void replace_background(picture_store& p, SDL_Surface* picture) {
    if (!picture) return;
    if (p.background) SDL_FreeSurface(p.background);
    p.background = picture;
}
