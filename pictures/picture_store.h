// picture_store.h - all twenty built-in pictures of a run: which stored array
// each one is, whether it is decoded afresh for every drawing (a stream) or
// once at start (kept), and the background behind the preview.
//
// How a picture is unpacked and decoded is image_store's business; what the
// pictures look like is assets/'. Nothing here draws.
//
//   picture_store p{};
//   unpack_pictures(p) && load_pictures(p);       // start-up, in that order
//   SDL_Surface* face = fresh_picture(p, pic_button, true); ... SDL_FreeSurface(face);
//   free_pictures(p);                              // teardown
#pragma once

#include "model/picture_names.h"
#include "pictures/image_store.h"

#include <SDL.h>

// The two fonts, as the panel and the start-up screens use them.
enum font_id {
    font_digits, // dark on white: the four value fields
    font_labels, // light on black: labels, names, the start-up screens
};

struct picture_size {
    int w, h;
};

struct picture_store {
    image_stream streams[first_kept_picture]; // decoded afresh for every drawing
    SDL_Surface* kept[picture_count];         // decoded once; null for the streams
    SDL_Surface* background;                  // the built-in one, or the picture from bg.bmp
    picture_size sizes[picture_count];        // of every picture as it decodes
};

// Start-up, step 1: the eleven streams, in their order. False when a
// temporary file could not be made; free_pictures releases what was made.
bool unpack_pictures(picture_store& p);
// Start-up, step 4: the nine pictures decoded once, in their order (the
// overlays with their alpha channel, the built-in background as background).
// False when one failed; free_pictures releases what was made.
bool load_pictures(picture_store& p);
// Closes the streams and frees every picture; the store is empty after.
void free_pictures(picture_store& p);

// A fresh decode of a stream (with its alpha channel when asked) that the
// caller frees; nullptr for a kept picture or a stream that failed.
SDL_Surface* fresh_picture(picture_store& p, picture_id id, bool alpha);
// A kept picture (nullptr for a stream); the store keeps owning it.
SDL_Surface* kept_picture(const picture_store& p, picture_id id);
SDL_Surface* font(const picture_store& p, font_id f);
bool is_stream(picture_id id);

// The opaque kept pictures, the background and the fonts in the screen's
// pixel format, so that drawing them is a plain copy (see in_screen_format).
// Quick when they already are.
void fit_pictures_to_screen(picture_store& p, SDL_Surface* screen);

// Replaces the background (the old one is freed); null leaves it as it is.
void replace_background(picture_store& p, SDL_Surface* picture);
