// picture_fit.h - a picture from outside made into what the preview shows,
// once, when it is taken: a screenshot larger than the preview is
// area-averaged to the preview's size, each axis on its own - shrunk when it
// has the game screen's 4:3 shape, stretched as well when it has another (an
// emulator that drew the game over a 16:9 window); a picture no larger keeps
// its size, its upper left corner at the preview's; where it does not reach,
// the picture under it (the built-in background) shows. The frame then copies the result whole, as it
// copies the built-in background: nothing is scaled per frame, and nothing
// reaches the panel.
//
//   SDL_Surface* shown = fit_picture(picture, built_in, 320, 240); // the caller frees both
#pragma once

#include <SDL.h>
#include <atomic>

// Whether w x h has the game screen's 4:3 shape, within 1 % of the height:
// |3w - 4h| <= 4h / 100. 640x480, 960x720, 1440x1080 and 645x480 have it,
// 648x480 (1.25 % wide) and 1920x1080 do not.
bool screen_shaped(int w, int h);

// How a w x h picture is fitted to into_w x into_h: as it is (no larger in
// both sides, or of the same size), shrunk (larger and screen_shaped) or
// stretched (larger, of another shape: 854x480, 1280x800 or 1920x1080 into
// 320x240). The preview is 4:3 itself: the shape is screen_shaped's.
enum picture_fit { fit_as_is, fit_shrunk, fit_stretched };
picture_fit fit_of(int w, int h, int into_w, int into_h);

// Fills `into` (32 bits a pixel) with picture stretched or shrunk over it as a
// box filter: each pixel the average of the part of the picture it covers,
// the picture's pixels wholly inside counting whole and those across its edges
// by the share inside, rounded to the nearest level. picture is read as SDL
// blits it (any depth, a palette too) and must be opaque. False, into
// untouched, when a working row cannot be made; false too, into part done,
// once *stop is set (from another thread: a read given up, editor/background).
bool area_average(SDL_Surface* picture, SDL_Surface* into, const std::atomic<bool>* stop = nullptr);

// A new w x h surface in under's pixel format (32 bits when that has a
// palette) holding under's upper left part and, over it, the picture:
// area-averaged to w x h when it is larger than that (fit_of: shrunk or
// stretched), else blitted unscaled at the corner. nullptr when a surface cannot be made,
// or area_average was stopped.
SDL_Surface* fit_picture(SDL_Surface* picture, SDL_Surface* under, int w, int h,
                         const std::atomic<bool>* stop = nullptr);
